#include "cli/CatalogueChoice.h"
#include "document/UserFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList CatalogueCandidates(const QString& given)
{
    if (!given.isEmpty())
        return {given};
    const QString settings = QStringLiteral("Settings/Settings.xml");
#ifdef Q_OS_WIN
    // Installed on Windows: the window program's working folder, then the
    // shipped catalogue beside the program.
    return {QDir::current().filePath(settings), QDir(UserFolder::Path()).filePath(settings),
            QDir(QCoreApplication::applicationDirPath()).filePath(settings)};
#else
    return {QDir::current().filePath(settings), QStringLiteral(TARNIK_INSTALLED_CATALOGUE),
            QStringLiteral(TARNIK_BUILT_CATALOGUE)};
#endif
}

QString ChooseCatalogue(const QString& given)
{
    for (const QString& path : CatalogueCandidates(given)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString GivenCatalogue(const QStringList& words)
{
    const QString option = QStringLiteral("--catalogue");
    QString given;
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--"))
            break;
        if (word == option && i + 1 < words.size())
            given = words[++i];
        else if (word.startsWith(option + QLatin1Char('=')))
            given = word.mid(option.size() + 1);
    }
    return given;
}
