// The Debian package: built with CPack from this build tree, its contents
// and control fields, the launcher run from the unpacked tree as a user
// would run it, and the lint tools' verdicts where they are installed.
#include "tests/support/TestRegistry.h"
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result {
    int code = -1;
    QString out;
};

Result Run(const QString& program, const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 120000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.out = QString::fromLocal8Bit(p.readAll());
        return r;
    }
    r.out = QString::fromLocal8Bit(p.readAll());
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

bool Installed(const QString& tool) { return !QStandardPaths::findExecutable(tool).isEmpty(); }

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    return !executable || f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

} // namespace

class TestPackage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir work;
    QString deb;
    QString root;                 // the unpacked package
    QMap<QString, QString> files; // path in the package -> "mode owner"

    QString Shipped(const QString& path) const { return root + path; }

    // The one AppStream file, named after the component id.
    QString Metainfo() const
    {
        const QDir dir(Shipped("/usr/share/metainfo"));
        const QStringList found = dir.entryList({ "*.metainfo.xml" }, QDir::Files);
        return found.size() == 1 ? dir.filePath(found.first()) : QString();
    }

    // `env` with the locale `locale` and nothing else choosing a language.
    static QProcessEnvironment Locale(QProcessEnvironment env, const QString& locale)
    {
        for (const char* name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
            env.remove(name);
        env.insert("LANG", locale);
        return env;
    }

    // The environment of a user with his own home in the work folder.
    QProcessEnvironment UserEnv(const QString& home) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.remove("XDG_DATA_HOME");
        env.insert("TARNIK_TEST_LOG", work.filePath("program.log"));
        return env;
    }

private slots:
    void initTestCase()
    {
        if (!Installed("dpkg-deb") || !Installed("dpkg-shlibdeps"))
            QSKIP("dpkg-dev is not installed: no package to build");
        QVERIFY(work.isValid());
        const QString out = work.filePath("out");
        const Result cpack = Run("cpack", { "-G", "DEB", "--config", TARNIK_BUILD_DIR "/CPackConfig.cmake", "-B", out },
                                 QProcessEnvironment::systemEnvironment(), 600000);
        QVERIFY2(cpack.code == 0, qPrintable(cpack.out));
        const QStringList debs = QDir(out).entryList({ "*.deb" }, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb = QDir(out).filePath(debs.first());

        // The contents, listed as dpkg-deb shows them.
        const Result list = Run("dpkg-deb", { "-c", deb });
        QCOMPARE(list.code, 0);
        qInfo().noquote() << "Contents of" << QFileInfo(deb).fileName() << ":\n" + list.out;
        // "-rw-r--r-- root/root 123 2026-12-09 19:00 ./usr/bin/x"
        static const QRegularExpression entry(QStringLiteral("^(\\S+) (\\S+)\\s+\\d+ \\S+ \\S+ \\.(/.*)$"));
        for (const QString& line : list.out.split('\n', Qt::SkipEmptyParts)) {
            const auto m = entry.match(line);
            if (m.hasMatch())
                files.insert(m.captured(3), m.captured(1) + " " + m.captured(2));
        }
        QVERIFY(files.size() > 20);
        root = work.filePath("root");
        QCOMPARE(Run("dpkg-deb", { "-x", deb, root }).code, 0);
    }

    void nameAndControlFields()
    {
        QCOMPARE(QFileInfo(deb).fileName(), QStringLiteral("tarnik-programmer_" TARNIK_VERSION "_amd64.deb"));
        auto field = [this](const QString& name) { return Run("dpkg-deb", { "-f", deb, name }).out.trimmed(); };
        QCOMPARE(field("Package"), QStringLiteral("tarnik-programmer"));
        QCOMPARE(field("Version"), QStringLiteral(TARNIK_VERSION));
        QCOMPARE(field("Architecture"), QStringLiteral("amd64"));
        QVERIFY(!field("Maintainer").isEmpty());
        // Libraries found by dpkg-shlibdeps, and what it cannot see.
        const QString depends = field("Depends");
        for (const char* d : { "libqt6widgets6", "libqt6serialport6", "libqt6xml6", "libqt6printsupport6", "libc6",
                               "qt6-qpa-plugins", "fonts-liberation", "xdg-utils" })
            QVERIFY2(depends.contains(QLatin1String(d)), qPrintable(QString(d) + " not in " + depends));
    }

    void holdsTheFiles()
    {
        QStringList expected = {
            "/usr/bin/tarnik-programmer", "/usr/bin/tarnik-station",
            "/usr/lib/tarnik-programmer/tarnik-programmer", "/usr/lib/tarnik-programmer/tarnik-catalogue-merge",
            "/usr/share/tarnik-programmer/Settings/Settings.xml",
            "/usr/share/tarnik-programmer/Source/Help.mht", "/usr/share/tarnik-programmer/Source/Help.html",
            "/usr/share/tarnik-programmer/Source/Help.en.mht", "/usr/share/tarnik-programmer/Source/Help.en.html",
            "/usr/share/tarnik-programmer/Source/Help.css",
            "/usr/share/tarnik-programmer/Source/read.bmp", "/usr/share/tarnik-programmer/Source/tools sign.bmp",
            "/usr/share/applications/tarnik-programmer.desktop",
            "/usr/share/applications/tarnik-programmer-demo.desktop",
            "/usr/share/icons/hicolor/scalable/apps/tarnik-programmer.svg",
            "/usr/share/man/man1/tarnik-programmer.1.gz", "/usr/share/man/man1/tarnik-station.1.gz",
            "/usr/share/man/ru/man1/tarnik-programmer.1.gz", "/usr/share/man/ru/man1/tarnik-station.1.gz",
            "/usr/share/doc/tarnik-programmer/README.md", "/usr/share/doc/tarnik-programmer/changelog.gz",
            "/usr/share/doc/tarnik-programmer/copyright", "/usr/share/doc/tarnik-programmer/60-tarnik-serial.rules",
            "/usr/share/lintian/overrides/tarnik-programmer",
        };
        for (int size : { 48, 64, 128, 256 })
            expected << QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/tarnik-programmer.png").arg(size);
        if (TARNIK_HAS_CLI)
            expected << "/usr/bin/tarnik-cli" << "/usr/share/man/man1/tarnik-cli.1.gz"
                     << "/usr/share/man/ru/man1/tarnik-cli.1.gz"
                     << "/usr/share/bash-completion/completions/tarnik-cli"
                     << "/usr/share/zsh/vendor-completions/_tarnik-cli";
        for (const QString& path : expected)
            QVERIFY2(files.contains(path), qPrintable("not in the package: " + path));

        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QVERIFY2(it.value().endsWith(" root/root"), qPrintable(it.key() + " " + it.value()));
            // Nothing from the build or test trees comes along.
            QVERIFY2(!it.key().contains("/test") && !it.key().contains("station.img"), qPrintable(it.key()));
        }
        for (const QString& program : { "/usr/bin/tarnik-programmer", "/usr/bin/tarnik-station",
                                        "/usr/lib/tarnik-programmer/tarnik-programmer" })
            QVERIFY2(files.value(program).startsWith("-rwxr-xr-x"), qPrintable(program));
        // Every picture the help pages show is shipped beside them.
        for (const char* name : { "Help.html", "Help.en.html" }) {
            const QString page = QString::fromUtf8(ReadFile(Shipped("/usr/share/tarnik-programmer/Source/") + name));
            static const QRegularExpression picture(QStringLiteral("src=\"(images/[^\"]+)\""));
            int pictures = 0;
            for (auto it = picture.globalMatch(page); it.hasNext(); ++pictures) {
                const QString path = "/usr/share/tarnik-programmer/Source/" + it.next().captured(1);
                QVERIFY2(files.contains(path), qPrintable(path));
            }
            QVERIFY2(pictures >= 20, name);
        }
        // The man pages and the changelog are compressed and readable; the
        // Russian pages are in Russian.
        auto manHead = [this](const QString& page) {
            return Run("sh", { "-c", "gzip -dc " + Shipped(page) + " | head -3" }).out;
        };
        QCOMPARE(manHead("/usr/share/man/man1/tarnik-station.1.gz").left(3), QStringLiteral(".TH"));
        for (const char* page : { "/usr/share/man/ru/man1/tarnik-station.1.gz", "/usr/share/man/ru/man1/tarnik-programmer.1.gz" })
            QVERIFY2(manHead(page).contains(QStringLiteral(".SH НАЗВАНИЕ")), page);
    }

    void iconsAndMenuEntries()
    {
        for (int size : { 48, 64, 128, 256 }) {
            const QImage icon(Shipped(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/tarnik-programmer.png").arg(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
        QDomDocument svg;
        QVERIFY(svg.setContent(ReadFile(Shipped("/usr/share/icons/hicolor/scalable/apps/tarnik-programmer.svg"))));
        QCOMPARE(svg.documentElement().tagName(), QStringLiteral("svg"));

        const QString main = QString::fromUtf8(ReadFile(Shipped("/usr/share/applications/tarnik-programmer.desktop")));
        QVERIFY(main.contains("\nName=Tarnik Programmer\n"));
        QVERIFY(main.contains("\nName[ru]=Программатор Tarnik\n"));
        QVERIFY(main.contains("\nExec=tarnik-programmer\n"));
        QVERIFY(main.contains("\nIcon=tarnik-programmer\n"));
        const QString demo = QString::fromUtf8(ReadFile(Shipped("/usr/share/applications/tarnik-programmer-demo.desktop")));
        QVERIFY(demo.contains("\nName[ru]=Программатор Tarnik (демонстрация)\n"));
        QVERIFY(demo.contains("\nExec=tarnik-programmer --demo\n"));
        const QByteArray metainfo = ReadFile(Metainfo());
        QVERIFY(metainfo.contains("<release version=\"" TARNIK_VERSION "\""));
        QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">tarnik-programmer.desktop</launchable>"));
        QVERIFY(metainfo.contains("<screenshot type=\"default\">"));
        QVERIFY(metainfo.contains("<name xml:lang=\"ru\">Программатор Tarnik</name>"));
        QVERIFY(metainfo.contains("<lang percentage=\"100\">en</lang>"));
    }

    // The launcher from the unpacked package, with a stand-in program that
    // notes where it was started: the user's folder is prepared on first
    // start, kept on the next, and merged when the shipped catalogue changes.
    void launcherPreparesTheUserFolder()
    {
        const QString program = Shipped("/usr/lib/tarnik-programmer/tarnik-programmer");
        QVERIFY(QFile::rename(program, program + ".real"));
        QVERIFY(WriteFile(program, "#!/bin/sh\npwd > \"$TARNIK_TEST_LOG\"\necho \"${TARNIK_PORTS:-}\" >> \"$TARNIK_TEST_LOG\"\n"
                                   "[ -n \"${TARNIK_PORTS:-}\" ] && readlink \"$TARNIK_PORTS/COM1\" >> \"$TARNIK_TEST_LOG\"\nexit 0\n", true));
        const QString launcher = Shipped("/usr/bin/tarnik-programmer");
        const QString home = work.filePath("home");
        QVERIFY(QDir().mkpath(home));
        const QString data = home + "/.local/share/tarnik-programmer";
        const QString userXml = data + "/Settings/Settings.xml";
        const QString shippedXml = Shipped("/usr/share/tarnik-programmer/Settings/Settings.xml");

        QCOMPARE(Run(launcher, {}, UserEnv(home)).code, 0);
        QCOMPARE(ReadFile(work.filePath("program.log")).split('\n').value(0), data.toUtf8());
        QCOMPARE(ReadFile(userXml), ReadFile(shippedXml));
        QVERIFY(QFileInfo(data + "/Source").isSymLink());
        QCOMPARE(QFileInfo(data + "/Source").symLinkTarget(), Shipped("/usr/share/tarnik-programmer/Source"));
        QVERIFY(QFile::exists(data + "/Source/Help.html"));

        // The user's choice stays on the next start.
        QByteArray mine = ReadFile(userXml);
        QVERIFY(mine.contains("<number>0</number>"));
        mine.replace("<number>0</number>", "<number>5</number>");
        QVERIFY(WriteFile(userXml, mine));
        QCOMPARE(Run(launcher, {}, UserEnv(home)).code, 0);
        QCOMPARE(ReadFile(userXml), mine);

        // An upgrade ships a catalogue with a new element: it comes in, the
        // user's choice stays.
        QByteArray newer = ReadFile(shippedXml);
        newer.replace("</mainmenu>", "</mainmenu>\n  <novelty>1</novelty>");
        QVERIFY(WriteFile(shippedXml, newer));
        QCOMPARE(Run(launcher, {}, UserEnv(home)).code, 0);
        const QByteArray merged = ReadFile(userXml);
        QVERIFY(merged.contains("<novelty>1</novelty>"));
        QVERIFY(merged.contains("<number>5</number>"));

        // A user's file that cannot be read is left as it is, the program
        // still starts (and says what it cannot read), and the merge is
        // tried again next time.
        QVERIFY(WriteFile(userXml, "<settings><port>"));
        newer.replace("<novelty>1</novelty>", "<novelty>1</novelty><another>2</another>");
        QVERIFY(WriteFile(shippedXml, newer));
        const Result broken = Run(launcher, {}, UserEnv(home));
        QCOMPARE(broken.code, 0);
        QVERIFY2(broken.out.contains("cannot read"), qPrintable(broken.out));
        QCOMPARE(ReadFile(userXml), QByteArray("<settings><port>"));
        QVERIFY(WriteFile(userXml, merged));
        QCOMPARE(Run(launcher, {}, UserEnv(home)).code, 0);
        QVERIFY(ReadFile(userXml).contains("<another>2</another>"));

        // XDG_DATA_HOME, when absolute, names the data folder.
        QProcessEnvironment env = UserEnv(home);
        env.insert("XDG_DATA_HOME", work.filePath("xdg"));
        QCOMPARE(Run(launcher, {}, env).code, 0);
        QVERIFY(QFile::exists(work.filePath("xdg/tarnik-programmer/Settings/Settings.xml")));
        env.insert("XDG_DATA_HOME", "relative/place");
        QCOMPARE(Run(launcher, {}, env).code, 0);
        QCOMPARE(ReadFile(work.filePath("program.log")).split('\n').value(0), data.toUtf8());

        QCOMPARE(Run(launcher, { "--version" }, env).out.trimmed(), QStringLiteral("tarnik-programmer " TARNIK_VERSION));
        QCOMPARE(Run(launcher, { "--nonsense" }, env).code, 2);

        // The launcher's usage speaks the locale's language by the program's
        // rule: English for English and languages without a translation,
        // Russian for Russian and where no language is set.
        for (const auto& [locale, english] : { std::pair{ "en_US.UTF-8", true }, std::pair{ "de_DE.UTF-8", true },
                                               std::pair{ "ru_RU.UTF-8", false }, std::pair{ "C.UTF-8", false } }) {
            QProcessEnvironment lang = Locale(env, locale);
            const Result usage = Run(launcher, { "--help" }, lang);
            QCOMPARE(usage.code, 0);
            QVERIFY2(usage.out.startsWith(english ? QStringLiteral("Usage: ") : QStringLiteral("Использование: ")),
                     qPrintable(locale + (": " + usage.out)));
        }
    }

    // --demo starts the shipped simulated station as COM1 in a ports folder
    // of its own, and takes it down again when the program ends.
    void demoStartsTheSimulatedStation()
    {
        const QString home = work.filePath("home");
        QFile::remove(work.filePath("program.log"));
        const Result r = Run(Shipped("/usr/bin/tarnik-programmer"), { "--demo" }, Locale(UserEnv(home), "C.UTF-8"));
        QVERIFY2(r.code == 0, qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("Имитатор станции: COM1")), qPrintable(r.out));
        const QList<QByteArray> log = ReadFile(work.filePath("program.log")).split('\n');
        const QString ports = QString::fromUtf8(log.value(1));
        QVERIFY(!ports.isEmpty());
        QVERIFY2(log.value(2).startsWith("/dev/pts/"), log.value(2).constData());
        QVERIFY(!QFileInfo::exists(ports));   // removed with the station
        QCOMPARE(QFileInfo(home + "/.local/share/tarnik-programmer/station.img").size(), 1024);

        // The language chosen in the user's catalogue outranks the locale.
        const QString userXml = home + "/.local/share/tarnik-programmer/Settings/Settings.xml";
        QByteArray xml = ReadFile(userXml);
        QVERIFY(xml.contains("</params>"));
        xml.replace("</params>", "  <lang>en</lang>\n  </params>");
        QVERIFY(WriteFile(userXml, xml));
        const Result english = Run(Shipped("/usr/bin/tarnik-programmer"), { "--demo" }, Locale(UserEnv(home), "ru_RU.UTF-8"));
        QVERIFY2(english.code == 0, qPrintable(english.out));
        QVERIFY2(english.out.contains(QStringLiteral("Simulated station: COM1")), qPrintable(english.out));
    }

    // The lint tools' verdicts, where they are installed.
    void lintianFindsNoErrors()
    {
        if (!Installed("lintian"))
            QSKIP("lintian is not installed");
        const Result r = Run("lintian", { "--tag-display-limit", "0", deb }, QProcessEnvironment::systemEnvironment(), 600000);
        qInfo().noquote() << "lintian:\n" + r.out;
        QVERIFY2(!QRegularExpression("^E: ", QRegularExpression::MultilineOption).match(r.out).hasMatch(), qPrintable(r.out));
    }

    void desktopEntriesValidate()
    {
        if (!Installed("desktop-file-validate"))
            QSKIP("desktop-file-utils is not installed");
        for (const char* entry : { "tarnik-programmer.desktop", "tarnik-programmer-demo.desktop" }) {
            const Result r = Run("desktop-file-validate", { Shipped("/usr/share/applications/") + entry });
            QVERIFY2(r.code == 0 && r.out.trimmed().isEmpty(), qPrintable(r.out));
        }
    }

    void metainfoValidates()
    {
        if (!Installed("appstreamcli"))
            QSKIP("appstream is not installed");
        const Result r = Run("appstreamcli", { "validate", "--no-net", Metainfo() });
        qInfo().noquote() << "appstreamcli:\n" + r.out;
        QVERIFY2(r.code == 0, qPrintable(r.out));
    }
};

TARNIK_TEST_MAIN(TestPackage)
#include "test_package.moc"
