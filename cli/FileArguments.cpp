#include "cli/FileArguments.h"
#include "cli/CliContext.h"
#include "cli/ExitCodes.h"
#include "cli/Output.h"
#include "document/FileRead.h"
#include "document/FileWrite.h"
#include <QCoreApplication>

bool IsStandardInput(const QString& path)
{
    return path == QLatin1String("-") || path == QLatin1String("/dev/stdin") || path == QLatin1String("/dev/fd/0");
}

bool IsStandardOutput(const QString& path)
{
    return path == QLatin1String("-") || path == QLatin1String("/dev/stdout") || path == QLatin1String("/dev/fd/1");
}

bool NamedFormat(TCliContext& cx, TConfigFormat& format, int& code)
{
    const QString name = cx.args.Value(QStringLiteral("--format"));
    format = FormatNamed(name);
    if (!name.isEmpty() && format == TConfigFormat::Unknown) {
        code = cx.InputError(QCoreApplication::translate("FileArguments", "--format %1: нужен bin, vtr, json или csv").arg(name));
        return false;
    }
    return true;
}

bool LoadInput(TCliContext& cx, const QString& path, TConfigFormat named, TConfig& config, int& code,
               const TTarnikPlus* base)
{
    QString reason;
    bool read = false;
    if (IsStandardInput(path)) {
        const QString shown = QCoreApplication::translate("FileArguments", "стандартный ввод");
        if (!cx.TakeStandardInput()) {
            code = cx.InputError(QCoreApplication::translate("FileArguments", "стандартный ввод можно прочитать только один раз"));
            return false;
        }
        // Every format's cap is at most the largest; the format's own cap
        // is checked once the bytes say which it is.
        QByteArray bytes;
        reason = ReadStandardInput(MaxFileSize(TConfigFormat::Unknown), bytes);
        if (!reason.isEmpty()) {
            code = cx.InputError(QStringLiteral("%1: %2").arg(shown, reason));
            return false;
        }
        const TConfigFormat format = named != TConfigFormat::Unknown ? named : FormatOfBytes(bytes);
        if (format == TConfigFormat::Unknown) {
            code = cx.InputError(QCoreApplication::translate("FileArguments", "%1: формат не распознан, укажите --format bin, vtr, json или csv")
                                     .arg(shown));
            return false;
        }
        const TStationCatalogue* catalogue = cx.Catalogue(format == TConfigFormat::Vtr);
        read = ReadConfigBytes(format, bytes, catalogue, config, &reason, base);
        if (!read) {
            code = cx.InputError(QStringLiteral("%1: %2").arg(shown, reason));
            return false;
        }
        return true;
    }
    const TConfigFormat format = FormatOfPath(path) != TConfigFormat::Unknown ? FormatOfPath(path) : named;
    const TStationCatalogue* catalogue = cx.Catalogue(format == TConfigFormat::Vtr);
    if (!ReadConfigFile(path, catalogue, config, &reason, base, named)) {
        code = cx.InputError(QStringLiteral("%1: %2").arg(path, reason));
        return false;
    }
    return true;
}

TConfigFormat OutputFormat(const QString& path, TConfigFormat named, TConfigFormat fallback)
{
    if (IsStandardOutput(path))
        return named != TConfigFormat::Unknown ? named : fallback;
    const TConfigFormat byName = FormatOfPath(path);
    return byName != TConfigFormat::Unknown ? byName : named;
}

bool WriteOutput(const QString& path, TConfigFormat format, const QByteArray& image, QString* reason)
{
    QByteArray bytes;
    if (!ImageFileBytes(format, image, bytes, reason))
        return false;
    if (IsStandardOutput(path)) {
        if (PrintOutBytes(bytes))
            return true;
        if (reason)
            *reason = QCoreApplication::translate("FileArguments", "стандартный вывод закрыт");
        return false;
    }
    const QString error = WriteFileAtomically(path, bytes);
    if (!error.isEmpty() && reason)
        *reason = error;
    return error.isEmpty();
}
