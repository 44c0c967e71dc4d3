// The help files: web archives that a browser opens, one a language, whose
// pages are the help pages of the source tree. The Russian guide describes
// every command and message; the English one follows it section by section.
// The help command picks the guide of the program's language.
#include "tests/support/TestRegistry.h"
#include "app/HelpFile.h"
#include "document/ProgramLanguage.h"
#include "document/U_xml.h"
#include <QTest>
#include <QDomDocument>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// A guide by its name in the Source folder, without the extension.
QString ShippedArchive(const QString& guide) { return QStringLiteral(TARNIK_SOURCE_DIR "/data/Source/") + guide + ".mht"; }
QString SourcePage(const QString& guide) { return QStringLiteral(TARNIK_SOURCE_DIR "/tools/help/") + guide + ".html"; }
QString RunFile(const QString& name) { return QStringLiteral(TARNIK_RUN_DIR "/Source/") + name; }

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A MIME entity: headers (names in lower case, folded lines joined) and the
// raw body.
struct Entity {
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;
};

Entity ParseEntity(QByteArray raw)
{
    raw.replace("\r\n", "\n");
    Entity e;
    const int end = raw.indexOf("\n\n");
    const QByteArray head = end < 0 ? raw : raw.left(end);
    e.body = end < 0 ? QByteArray() : raw.mid(end + 2);
    QByteArray name;
    for (const QByteArray& line : head.split('\n')) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            e.headers[name] += " " + line.trimmed();
            continue;
        }
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        name = line.left(colon).trimmed().toLower();
        e.headers[name] = line.mid(colon + 1).trimmed();
    }
    return e;
}

// A parameter of a header such as Content-Type: text/html; charset="utf-8".
QByteArray Parameter(const QByteArray& header, const QByteArray& name)
{
    for (QByteArray part : header.split(';')) {
        part = part.trimmed();
        if (part.toLower().startsWith(name + "=")) {
            QByteArray v = part.mid(name.size() + 1).trimmed();
            if (v.startsWith('"') && v.endsWith('"'))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return {};
}

QByteArray MediaType(const QByteArray& header)
{
    return header.split(';').first().trimmed().toLower();
}

QByteArray DecodeQuotedPrintable(const QByteArray& text, bool* ok)
{
    QByteArray out;
    *ok = true;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\n') {   // soft line break
            ++i;
            continue;
        }
        bool hex = false;
        const int v = text.mid(i + 1, 2).toInt(&hex, 16);
        if (!hex || i + 2 >= text.size()) {
            *ok = false;
            return {};
        }
        out += char(v);
        i += 2;
    }
    return out;
}

QByteArray Decode(const Entity& e, bool* ok)
{
    const QByteArray encoding = e.headers.value("content-transfer-encoding").toLower();
    *ok = true;
    if (encoding == "quoted-printable")
        return DecodeQuotedPrintable(e.body, ok);
    if (encoding == "base64") {
        const auto r = QByteArray::fromBase64Encoding(QByteArray(e.body).replace("\n", ""));
        *ok = bool(r);
        return r.decoded;
    }
    *ok = encoding.isEmpty() || encoding == "7bit" || encoding == "8bit";
    return e.body;
}

struct Archive {
    Entity top;
    QList<Entity> parts;
};

Archive ParseArchive(const QByteArray& bytes)
{
    Archive a;
    a.top = ParseEntity(bytes);
    const QByteArray boundary = "--" + Parameter(a.top.headers.value("content-type"), "boundary");
    QList<QByteArray> chunks;
    QByteArray current;
    bool inside = false, closed = false;
    for (const QByteArray& line : a.top.body.split('\n')) {
        if (line == boundary || line == boundary + "--") {
            if (inside)
                chunks << current;
            current.clear();
            inside = true;
            if (line == boundary + "--") {
                closed = true;
                break;
            }
            continue;
        }
        if (inside)
            current += line + "\n";
    }
    if (!closed)
        return a;   // no closing delimiter: leave the parts empty
    for (QByteArray c : chunks) {
        c.chop(1);   // the line end before a delimiter belongs to it
        a.parts << ParseEntity(c);
    }
    return a;
}

QString DecodedPage(const Archive& a)
{
    if (a.parts.isEmpty())
        return {};
    bool ok = false;
    const QByteArray html = Decode(a.parts.first(), &ok);
    return ok ? QString::fromUtf8(html).replace("\r\n", "\n") : QString();
}

// The page with tags removed and entities of spaces resolved, so that a
// caption is found however the page marks it up.
QString PlainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    return html;
}

// A guide as shipped: the archive, its page and the page's plain text.
struct Guide {
    Archive archive;
    QString page;
    QString text;
};

Guide LoadGuide(const QString& name)
{
    Guide g;
    g.archive = ParseArchive(ReadAll(ShippedArchive(name)));
    g.page = DecodedPage(g.archive);
    g.text = PlainText(g.page);
    return g;
}

QStringList Captured(const QString& page, const QString& pattern)
{
    QStringList found;
    const QRegularExpression re(pattern);
    for (auto it = re.globalMatch(page); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

} // namespace

class TestHelpFile : public QObject {
    Q_OBJECT
private:
    QMap<QString, Guide> guides;   // by name: "Help", "Help.en"
    // The Russian guide, which the caption checks below read.
    Archive archive;
    QString page;
    QString text;

    // A row for each shipped guide: its name and its word for the contents.
    static void GuideRows()
    {
        QTest::addColumn<QString>("guide");
        QTest::addColumn<QString>("contents");
        QTest::newRow("Russian") << "Help" << "Содержание";
        QTest::newRow("English") << "Help.en" << "Contents";
    }

    void requireMentioned(const QStringList& captions)
    {
        for (const QString& c : captions)
            QVERIFY2(text.contains(c), qPrintable(QStringLiteral("not in the help: ") + c));
    }

private slots:
    void initTestCase()
    {
        for (const QString& name : { QStringLiteral("Help"), QStringLiteral("Help.en") }) {
            QVERIFY2(!ReadAll(ShippedArchive(name)).isEmpty(), qPrintable(ShippedArchive(name)));
            guides[name] = LoadGuide(name);
        }
        archive = guides["Help"].archive;
        page = guides["Help"].page;
        text = guides["Help"].text;
    }

    void isAWebArchive_data() { GuideRows(); }
    void isAWebArchive()
    {
        QFETCH(QString, guide);
        const Archive& archive = guides[guide].archive;
        const QString& page = guides[guide].page;
        QCOMPARE(archive.top.headers.value("mime-version"), QByteArray("1.0"));
        const QByteArray type = archive.top.headers.value("content-type");
        QCOMPARE(MediaType(type), QByteArray("multipart/related"));
        QCOMPARE(Parameter(type, "type").toLower(), QByteArray("text/html"));
        QVERIFY(!archive.parts.isEmpty());
        const Entity& html = archive.parts.first();
        QCOMPARE(MediaType(html.headers.value("content-type")), QByteArray("text/html"));
        QCOMPARE(Parameter(html.headers.value("content-type"), "charset").toLower(), QByteArray("utf-8"));
        QVERIFY(!html.headers.value("content-location").isEmpty());
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        QVERIFY(page.trimmed().endsWith(QStringLiteral("</html>")));
    }

    // Mail-safe text: every line within the limits of its encoding.
    void linesAreShort_data() { GuideRows(); }
    void linesAreShort()
    {
        QFETCH(QString, guide);
        const QList<QByteArray> lines = ReadAll(ShippedArchive(guide)).split('\n');
        for (QByteArray line : lines) {
            if (line.endsWith('\r'))
                line.chop(1);
            QVERIFY2(line.size() <= 78, line.constData());
            for (char c : line)
                QVERIFY(uchar(c) < 128);
        }
    }

    // The archive is built from the page kept in the source tree: editing
    // the page without rebuilding the archive is caught here.
    void pageIsTheSourcePage_data() { GuideRows(); }
    void pageIsTheSourcePage()
    {
        QFETCH(QString, guide);
        QCOMPARE(guides[guide].page, QString::fromUtf8(ReadAll(SourcePage(guide))));
    }

    // The run directory, which is what the package installs, holds the
    // archive and the plain page with every picture the page shows.
    void theRunDirectoryHasTheArchiveAndThePage_data() { GuideRows(); }
    void theRunDirectoryHasTheArchiveAndThePage()
    {
        QFETCH(QString, guide);
        QCOMPARE(ReadAll(RunFile(guide + ".mht")), ReadAll(ShippedArchive(guide)));
        const QString page = QString::fromUtf8(ReadAll(RunFile(guide + ".html")));
        QCOMPARE(page, QString::fromUtf8(ReadAll(SourcePage(guide))));
        QCOMPARE(ReadAll(RunFile("Help.css")), ReadAll(QStringLiteral(TARNIK_SOURCE_DIR "/tools/help/Help.css")));
        const QStringList pictures = Captured(page, QStringLiteral("src=\"(images/[^\"]+)\""));
        QVERIFY(pictures.size() >= 20);
        for (const QString& picture : pictures)
            QVERIFY2(!QImage(RunFile(picture)).isNull(), qPrintable(picture));
    }

    void everyResourceIsInTheArchive_data() { GuideRows(); }
    void everyResourceIsInTheArchive()
    {
        QFETCH(QString, guide);
        const Archive& archive = guides[guide].archive;
        const QString& page = guides[guide].page;
        const QUrl base(QString::fromUtf8(archive.parts.first().headers.value("content-location")));
        QMap<QString, QByteArray> resources;
        for (int i = 1; i < archive.parts.size(); ++i) {
            bool ok = false;
            const QByteArray data = Decode(archive.parts[i], &ok);
            QVERIFY(ok);
            resources[QString::fromUtf8(archive.parts[i].headers.value("content-location"))] = data;
        }
        static const QRegularExpression src(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        int count = 0;
        for (auto it = src.globalMatch(page); it.hasNext(); ++count) {
            const QString url = base.resolved(QUrl(it.next().captured(1))).toString();
            QVERIFY2(resources.contains(url), qPrintable(url));
            QVERIFY2(!QImage::fromData(resources[url]).isNull(), qPrintable(url));
        }
        QVERIFY(count >= 20);
        // The stylesheet both languages share travels in the archive too.
        const QStringList sheets = Captured(page, QStringLiteral("<link rel=\"stylesheet\" href=\"([^\"]+)\">"));
        QCOMPARE(sheets, QStringList{ "Help.css" });
        const QString sheet = base.resolved(QUrl(sheets.first())).toString();
        QVERIFY2(resources.contains(sheet), qPrintable(sheet));
        QCOMPARE(resources[sheet], ReadAll(QStringLiteral(TARNIK_SOURCE_DIR "/tools/help/Help.css")));
    }

    void tableOfContentsLinksResolve_data() { GuideRows(); }
    void tableOfContentsLinksResolve()
    {
        QFETCH(QString, guide);
        QFETCH(QString, contents);
        const QString& page = guides[guide].page;
        static const QRegularExpression href(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (auto it = href.globalMatch(page); it.hasNext(); ++links) {
            const QString id = it.next().captured(1);
            QVERIFY2(page.contains(QStringLiteral("id=\"%1\"").arg(id)), qPrintable(id));
        }
        QVERIFY(links >= 30);
        QVERIFY(guides[guide].text.contains(contents));
    }

    // The English guide is a translation of the Russian one: the same
    // sections, links, pictures, tables and lists in the same order, the
    // page marked as English, and no Russian left in it but the name of the
    // language in the language list.
    void englishGuideFollowsTheRussianOne()
    {
        const QString& ru = guides["Help"].page;
        const QString& en = guides["Help.en"].page;
        QVERIFY(ru.contains(QStringLiteral("<html lang=\"ru\">")));
        QVERIFY(en.contains(QStringLiteral("<html lang=\"en\">")));
        for (const char* pattern : { "id=\"([^\"]+)\"", "href=\"([^\"]+)\"", "src=\"([^\"]+)\"",
                                     "(<(?:h2|h3|table|tr|ul|ol|li|pre|div)\\b)" })
            QCOMPARE(Captured(en, QString::fromLatin1(pattern)), Captured(ru, QString::fromLatin1(pattern)));
        QString english = guides["Help.en"].text;
        english.remove(QStringLiteral("Русский"));
        static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}+"));
        QVERIFY(cyrillic.match(guides["Help"].text).hasMatch());
        const auto left = cyrillic.match(english);
        QVERIFY2(!left.hasMatch(), qPrintable(left.captured()));
    }

    // The names a user types or looks for are the same in both languages.
    void technicalNames_data() { GuideRows(); }
    void technicalNames()
    {
        QFETCH(QString, guide);
        for (const char* name : { "Settings.xml", "TARNIK_PORTS", "XDG_DATA_HOME", "tarnik-programmer/backups",
                                  "params/safewrite", "params/lang", "LC_MESSAGES", "LANG=en_US.UTF-8", "dialout",
                                  "/dev/ttyUSB0", "COM32", ".bin.suspect", "tarnik-cli write --port COM4",
                                  "channel,enabled,rx_hz,tx_hz,ctcss_rx_hz,ctcss_tx_hz", "Help.en.mht" })
            QVERIFY2(guides[guide].text.contains(QLatin1String(name)), name);
    }

    // The help command's pick: the guide of the program's language, the
    // archive where the desktop opens archives or the page is missing, and
    // the Russian guide where a Source folder has no English one.
    void helpFileFollowsTheLanguage_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("archives");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("opened");
        const QStringList all = { "Help.mht", "Help.html", "Help.en.mht", "Help.en.html" };
        QTest::newRow("Russian, page") << all << false << false << "Help.html";
        QTest::newRow("Russian, archive viewer") << all << true << false << "Help.mht";
        QTest::newRow("English, page") << all << false << true << "Help.en.html";
        QTest::newRow("English, archive viewer") << all << true << true << "Help.en.mht";
        QTest::newRow("English, no page") << QStringList{ "Help.mht", "Help.html", "Help.en.mht" } << false << true
                                          << "Help.en.mht";
        QTest::newRow("English, no English guide") << QStringList{ "Help.mht", "Help.html" } << false << true
                                                   << "Help.html";
        QTest::newRow("Russian, no page") << QStringList{ "Help.mht", "Help.en.html" } << false << false << "Help.mht";
    }
    void helpFileFollowsTheLanguage()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, archives);
        QFETCH(bool, english);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& name : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const TLanguage language = english ? TLanguage::English : TLanguage::Russian;
        QCOMPARE(HelpFileToOpen(dir.path(), archives, language), dir.filePath(opened));
    }

    void mainWindowCaptions()
    {
        requireMentioned(MainWindowTexts());
    }

    // Every title of the menu bar and every tool button hint, as the
    // shipped catalogue gives them.
    void menuTitlesAndHintsOfTheCatalogue()
    {
        const QStringList titles = CatalogueTitles();
        QVERIFY(titles.size() >= 15);
        requireMentioned(titles);
    }

    // The English guide names them as the program shows them in English.
    void englishGuideUsesTheEnglishMenuTitlesAndHints()
    {
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
        const auto restore = qScopeGuard([] { InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru")); });
        const QString& english = guides["Help.en"].text;
        const QStringList titles = CatalogueTitles();
        QVERIFY(titles.size() >= 15);
        for (const QString& title : titles) {
            const QString shown = CatalogueText(title);
            QVERIFY2(shown != title, qPrintable(title));   // the catalogue's texts have English
            QVERIFY2(english.contains(shown), qPrintable(QStringLiteral("not in the English help: ") + shown));
        }
    }

private:
    // Every English the translation file gives a source text (one a context
    // it appears in), with whitespace runs made single spaces as in the
    // guide's plain text.
    static QMultiMap<QString, QString> Translations()
    {
        QMultiMap<QString, QString> english;
        QFile file(QStringLiteral(TARNIK_SOURCE_DIR "/translations/tarnik_en.ts"));
        QDomDocument ts;
        if (!file.open(QIODevice::ReadOnly) || !ts.setContent(&file))
            return english;
        const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement message = messages.at(i).toElement();
            const QString translation = message.firstChildElement(QStringLiteral("translation")).text().simplified();
            if (!translation.isEmpty())
                english.insert(message.firstChildElement(QStringLiteral("source")).text(), translation);
        }
        return english;
    }

    // The menu titles and tool hints of the shipped catalogue; empty when it
    // cannot be read.
    static QStringList CatalogueTitles()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        if (!xml.LoadFromFile(QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml")))
            return {};
        const int items = xml.ReadValue("mainmenu", "count").toInt();
        QStringList titles;
        for (int i = 1; i <= items; ++i) {
            const QString item = QStringLiteral("item%1").arg(i);
            titles << xml.ReadValue("mainmenu", item, "name");
            const int subs = xml.ReadValue("mainmenu", item, "count").toInt();
            for (int j = 1; j <= subs; ++j) {
                const QString sub = xml.ReadValue("mainmenu", item, QStringLiteral("subitem%1").arg(j));
                if (sub != "-" && sub != "_")
                    titles << sub;
            }
        }
        for (int h : { 1, 3, 4, 5, 6, 7, 8 })
            titles << xml.ReadValue("hints", QStringLiteral("hint%1").arg(h));
        return titles;
    }

    // The program's own texts the Russian guide quotes, as the program
    // writes them, with the names a user types beside them.
    static QStringList MainWindowTexts()
    {
        return { "Программатор Tarnik", "Чтение", "Запись", "Задать канал", "Каналы",
                 "Настройки", "Поиск", "Загрузка", "Версия 1.1" };
    }

    static QStringList JournalTexts()
    {
        return { "Запуск приложения", "Настройки загружены", "Пожайлуста подождите...",
                 "Можно начинать к работу", "Сохранен: ", "Загружен: ", "Ошибка чтения файла: ",
                 "Данные считаны успешно.", "Ошибка чтения данных. Возможно станция не подключена.",
                 "Ошибка открытия порта.", "Данные записаны успешно.",
                 "Ошибка записи данных. Возможно станция не подключена.",
                 "Ошибка записи данных. Превышен лимит повторений." };
    }

    static QStringList ExchangeTexts()
    {
        return { "Безопасная запись", "Стоп", "Esc", "Обмен со станцией остановлен пользователем.",
                 "Станция может содержать частично записанную конфигурацию.",
                 "Чтение данных станции для резервной копии...", "Резервная копия: ",
                 "Станция уже содержит эту конфигурацию. Запись не требуется.", "Байт к записи: ",
                 "Проверка: данные в станции совпадают с записанными.", "Повторная запись всех 1024 байт.",
                 "Станция записана с ошибками.", "tarnik-programmer/backups", "XDG_DATA_HOME",
                 "params/safewrite" };
    }

    static QStringList DialogTexts()
    {
        return { "Канал", "Вкл", "RX(Гц)", "TX(Гц)", "CTCSS(RX)", "CTCSS(TX)", "Нет",
                 "67,0 Гц", "254,1 Гц", "№ канала", "Ок", "Отмена", "Задание частоты", "кГц",
                 "Общая частота приема и передачи", "Настройки приложения", "Принять",
                 "Настройки соединения COM", "Порт", "Скорость", "4800", "9600", "19200",
                 "В списке находятся только установленные в системе COM порты",
                 "Ожидание...", "Станция подключена к порту.", "Станция не подключена.",
                 "О программе", "Закрыть", "Программатор станции Tarnik" };
    }

    static QStringList SettingsPageTexts()
    {
        return { "Частотный диапазон", "Уровень громкости", "Уровень шумоподавителя",
                 "Уровень аналогового SQL", "Уровень девиации", "Уровень чувствительности микрофона",
                 "Усиление на прием", "Уровень CTCSS на передачу", "Уровень CTCSS на прием",
                 "Маскиратор включен", "Маскиратор установлен",
                 "Режим отключения по таймауту нажатия на тангенту",
                 "Блокировка выхода в передачу по наличию несущей", "Работа в режиме ретранслятора",
                 "Время таймаута", "Флаги завершения работы станции", "Нормальное выключение",
                 "Нормальное завершение передачи", "Уровни шумоподавителя", "Мощность ШИМ",
                 "Установить", "33000 - 41000 кГц" };
    }

    static QStringList FileAndReportTexts()
    {
        return { ".vtr", "Файл программатора", "Сохранить как...", "PDF", "ЗАО \"Велтар\"",
                 "Параметры станции", "Установленные частоты каналов", "Каналов:", "Страница",
                 "TARNIK_PORTS", "dialout", "ttyS0", "ttyUSB0", "ttyACM0", "COM1", "COM9",
                 "COM25", "COM32" };
    }

private slots:
    void journalMessagesAndIcons()
    {
        requireMentioned(JournalTexts());
        requireMentioned(ExchangeTexts());
        for (int icon : { 0, 1, 2, 3, 5, 6, 8 })
            QVERIFY(page.contains(QStringLiteral("images/journal-%1.png").arg(icon)));
    }

    void channelsAndDialogs()
    {
        requireMentioned(DialogTexts());
    }

    void settingsPage()
    {
        requireMentioned(SettingsPageTexts());
    }

    void filesReportAndPorts()
    {
        requireMentioned(FileAndReportTexts());
    }

    // Where the translation gives English for a text the Russian guide
    // quotes, the English guide quotes that English (one of them, where
    // contexts differ): the guide says what the program shows.
    void englishGuideQuotesTheProgramsEnglish()
    {
        const QMultiMap<QString, QString> english = Translations();
        QVERIFY(english.size() >= 40);
        const QString& guide = guides["Help.en"].text;
        int checked = 0;
        for (const QString& text : MainWindowTexts() + JournalTexts() + ExchangeTexts() + DialogTexts()
                                       + SettingsPageTexts() + FileAndReportTexts()) {
            const QStringList translations = english.values(text);
            if (translations.isEmpty())
                continue;   // a name rather than a text, or one the translation check reports
            ++checked;
            const bool quoted = std::any_of(translations.begin(), translations.end(),
                                            [&](const QString& t) { return guide.contains(t); });
            QVERIFY2(quoted, qPrintable(text + " -> " + translations.join(" | ")));
        }
        QVERIFY2(checked >= 3, qPrintable(QString::number(checked)));
    }
};

TARNIK_TEST_MAIN(TestHelpFile)
#include "test_helpfile.moc"
