#include "document/ProgramLanguage.h"
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

TLanguage installedLanguage = TLanguage::Russian;
QTranslator* installedTranslator = nullptr;

// The C/POSIX locale ("C", "C.UTF-8", "POSIX") sets no language.
bool IsCLocale(const QString& entry)
{
    const QString name = entry.trimmed().toLower();
    return name == QLatin1String("c") || name == QLatin1String("posix")
        || name.startsWith(QLatin1String("c.")) || name.startsWith(QLatin1String("c-"));
}

// The language one entry of the system's list names ("en-US", "ru", "C"),
// or nothing for a language the program has no translation for.
bool LanguageOf(const QString& entry, TLanguage* language)
{
    const QString name = entry.trimmed().toLower();
    // The C/POSIX locale sets no language: the program keeps its own.
    if (IsCLocale(name)) {
        *language = TLanguage::Russian;
        return true;
    }
    const QString code = name.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0);
    if (code == QLatin1String("ru")) {
        *language = TLanguage::Russian;
        return true;
    }
    if (code == QLatin1String("en")) {
        *language = TLanguage::English;
        return true;
    }
    return false;
}

QTranslator* LoadTranslator(TLanguage language)
{
    auto* translator = new QTranslator;
    bool loaded = false;
    if (language == TLanguage::English) {
        loaded = translator->load(QStringLiteral(":/translations/tarnik_en.qm"));
    } else {
        // Qt's own dialogs (file, print) in Russian: from Qt's folder, or
        // installed on Windows in translations/ beside the program.
        loaded = translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            || translator->load(QStringLiteral("qtbase_ru"),
                                QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    }
    if (!loaded) {
        delete translator;
        return nullptr;
    }
    return translator;
}

// The system's languages, the preferred first. On Unix LANGUAGE counts, as
// it does for gettext, only where a messages locale is set: under C or POSIX,
// or with none set, no language is asked for whatever LANGUAGE says (Qt's
// list would put LANGUAGE first regardless).
QStringList SystemLanguages()
{
#ifndef Q_OS_WIN
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(name);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || IsCLocale(messages))
        return {QStringLiteral("C")};
#endif
    return QLocale::system().uiLanguages();
}

} // namespace

// The compiled translation lives in the static core library: its resource
// is registered by hand, as a static library's resources must be.
static void InitTranslationResource()
{
    Q_INIT_RESOURCE(tarnik_translations);
}

TLanguage ChooseLanguage(const QString& setting, const QStringList& uiLanguages)
{
    const QString chosen = setting.trimmed().toLower();
    if (chosen == QLatin1String("ru"))
        return TLanguage::Russian;
    if (chosen == QLatin1String("en"))
        return TLanguage::English;
    // No language set at all: the program's own.
    if (uiLanguages.isEmpty())
        return TLanguage::Russian;
    // The first language of the list the program speaks; a list of only
    // other languages gets English.
    for (const QString& entry : uiLanguages) {
        TLanguage language;
        if (LanguageOf(entry, &language))
            return language;
    }
    return TLanguage::English;
}

TLanguage InstallLanguage(QCoreApplication& app, const QString& setting)
{
    InitTranslationResource();
    const TLanguage language = ChooseLanguage(setting, SystemLanguages());
    if (installedTranslator) {
        app.removeTranslator(installedTranslator);
        delete installedTranslator;
        installedTranslator = nullptr;
    }
    installedTranslator = LoadTranslator(language);
    if (installedTranslator)
        app.installTranslator(installedTranslator);
    installedLanguage = language;
    return language;
}

TLanguage ProgramLanguage()
{
    return installedLanguage;
}

QString CatalogueText(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate("Catalogue", text.toUtf8().constData());
}
