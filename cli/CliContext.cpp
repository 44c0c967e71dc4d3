#include "cli/CliContext.h"
#include "cli/CatalogueChoice.h"
#include "cli/ExitCodes.h"
#include "cli/Output.h"
#include "document/U_xml.h"
#include <QCoreApplication>
#include <QDomDocument>

TCliContext::TCliContext(const TArguments& args)
    : args(args), verbose(args.Has(QStringLiteral("--verbose"))), quiet(args.Has(QStringLiteral("--quiet"))),
      json(args.Has(QStringLiteral("--json")))
{
}

bool TCliContext::TakeStandardInput()
{
    if (inputTaken)
        return false;
    inputTaken = true;
    return true;
}

const TStationCatalogue* TCliContext::Catalogue(bool required)
{
    if (!tried) {
        tried = true;
        const QString given = args.Value(QStringLiteral("--catalogue"));
        const QString path = ChooseCatalogue(given);
        if (path.isEmpty()) {
            failure = QCoreApplication::translate("CliContext", "каталог не найден (искали: %1)").arg(CatalogueCandidates(given).join(QStringLiteral(", ")));
        } else {
            QDomDocument doc;
            TXMLFile xml(&doc);
            auto read = std::make_unique<TStationCatalogue>();
            QString reason;
            if (LoadStationCatalogue(xml, path, *read, &reason)) {
                catalogue = std::move(read);
                Note(QCoreApplication::translate("CliContext", "каталог: %1").arg(path));
            } else {
                failure = QCoreApplication::translate("CliContext", "%1: каталог не прочитан: %2").arg(path, reason);
            }
        }
    }
    if (!catalogue && (required || verbose))
        PrintErr(QStringLiteral("tarnik-cli: ") + failure);
    return catalogue.get();
}

int TCliContext::InputError(const QString& message) const
{
    PrintErr(QStringLiteral("tarnik-cli: ") + message);
    return ExitUsage;
}

void TCliContext::Note(const QString& message) const
{
    if (verbose)
        PrintErr(message);
}

bool BaudOption(const TArguments& args, int& baud, QString* reason)
{
    const QString text = args.Value(QStringLiteral("--baud"), QStringLiteral("4800"));
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || (value != 4800 && value != 9600 && value != 19200)) {
        if (reason)
            *reason = QCoreApplication::translate("CliContext", "--baud %1: станция работает на 4800, 9600 или 19200").arg(text);
        return false;
    }
    baud = value;
    return true;
}
