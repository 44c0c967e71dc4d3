#include "link/LineTrace.h"
#include "document/FileErrors.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace {
constexpr int BitsPerChar = 10;

QString Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

TLineTrace::TLineTrace(Writer writer)
    : writer(std::move(writer))
{
    clock.start();
}

TLineTrace::~TLineTrace()
{
    FlushReceived();
}

QString TLineTrace::TimeText(double ms)
{
    return QString::asprintf("%8.3f", ms);
}

double TLineTrace::Now() const
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void TLineTrace::Write(const QString& line)
{
    if (writer)
        writer((line + QLatin1Char('\n')).toUtf8());
}

void TLineTrace::Note(const QString& text)
{
    FlushReceived();
    Write(TimeText(Now()) + QStringLiteral(" # ") + text);
}

void TLineTrace::StartGroup()
{
    FlushReceived();
    if (inGroup)
        Write(QString());
    inGroup = true;
}

void TLineTrace::FlushReceived()
{
    if (pending.isEmpty())
        return;
    Write(TimeText(pendingAt) + QStringLiteral(" < ") + Hex(pending));
    pending.clear();
}

void TLineTrace::Opened(const QString& label, const QString& device, int baud)
{
    FlushReceived();
    clock.restart();
    charMs = baud > 0 ? (BitsPerChar * 1000 + baud - 1) / baud : 1;
    if (inGroup)
        Write(QString());
    inGroup = false;
    const QString port = label.isEmpty() ? device : QStringLiteral("%1: %2").arg(label, device);
    Write(QStringLiteral("# %1, %2 бод").arg(port).arg(baud));
}

void TLineTrace::Sent(const QByteArray& bytes)
{
    StartGroup();
    Write(TimeText(Now()) + QStringLiteral(" > ") + Hex(bytes));
}

void TLineTrace::Received(char byte)
{
    const double now = Now();
    // A pause of a few characters' time shows as a new line: an adapter
    // that holds bytes back, a station that stops and goes on.
    const double pause = std::max<double>(PauseMs, 3.0 * charMs);
    if (!pending.isEmpty() && (pending.size() >= BytesPerLine || now - lastByteAt > pause))
        FlushReceived();
    if (pending.isEmpty())
        pendingAt = now;
    pending.append(byte);
    lastByteAt = now;
}

void TLineTrace::Missing(int received, int expected, int waitedMs)
{
    Note(QStringLiteral("ответ оборвался: получено %1 из %2 байт, следующего байта не было %3 мс")
             .arg(received)
             .arg(expected)
             .arg(waitedMs));
}

void TLineTrace::Dropped(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    StartGroup();
    const double now = Now();
    for (qsizetype i = 0; i < bytes.size(); i += BytesPerLine)
        Write(TimeText(now) + QStringLiteral(" < ") + Hex(bytes.mid(i, BytesPerLine)));
    Note(QStringLiteral("отброшено байт: %1 (пришли вне ответа)").arg(bytes.size()));
}

void TLineTrace::Closed()
{
    Note(QStringLiteral("порт закрыт"));
}

std::shared_ptr<TLineTrace> OpenTraceFile(const QString& path, QString* reason)
{
    auto file = std::make_shared<QFile>(path);
    errno = 0;
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        const int error = errno;
        if (reason) {
            *reason = WriteProblemAt(path);
            if (reason->isEmpty())
                *reason = error ? FileErrorText(error, TFileAccess::Write) : QCoreApplication::translate("LineTrace", "файл не открывается");
        }
        return nullptr;
    }
    // Unbuffered: every line is handed to the system as it is written.
    return std::make_shared<TLineTrace>([file](const QByteArray& text) { file->write(text); });
}

QString TraceFileForPort(const QString& path, const QString& port)
{
    QString name = port;
    if (name.startsWith(QLatin1Char('/')))
        name = name.mid(1).replace(QLatin1Char('/'), QLatin1Char('-'));
    if (path.contains(QLatin1String("{port}")))
        return QString(path).replace(QLatin1String("{port}"), name);
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    if (info.fileName().startsWith(QLatin1Char('.')) && info.completeBaseName().isEmpty())
        return path + QLatin1Char('-') + name;
    return suffix.isEmpty() ? stem + QLatin1Char('-') + name : stem + QLatin1Char('-') + name + QLatin1Char('.') + suffix;
}
