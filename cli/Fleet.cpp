#include "cli/Fleet.h"
#include "document/NumberText.h"
#include "link/PortMap.h"
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>
#include <memory>
#include <vector>

QList<TStationResult> RunFleet(const QStringList& ports,
                               const std::function<TStationResult(const QString& port)>& job)
{
    // Qt threads: the serial port watches its device with socket
    // notifiers, which need a thread Qt knows.
    std::vector<TStationResult> results(static_cast<size_t>(ports.size()));
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < ports.size(); ++i) {
        threads.emplace_back(QThread::create([&, i] { results[static_cast<size_t>(i)] = job(ports[i]); }));
        threads.back()->start();
    }
    for (auto& t : threads)
        t->wait();
    return QList<TStationResult>(results.begin(), results.end());
}

namespace {
// "COM7" (any case) to 7, or 0.
int ComNumber(const QString& text)
{
    static const QRegularExpression com(QStringLiteral("^com(\\d{1,3})$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(text.trimmed());
    if (!m.hasMatch())
        return 0;
    const int n = m.captured(1).toInt();
    return n >= PortMap::FirstPort && n <= PortMap::LastPort ? n : 0;
}

QString ComName(int n) { return QStringLiteral("COM") + QString::number(n); }

void AddOnce(QStringList& ports, const QString& port)
{
    if (!ports.contains(port))
        ports << port;
}
} // namespace

bool CollectPorts(const QStringList& single, const QStringList& ranges, QStringList& ports, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QStringList out;
    for (const QString& p : single) {
        if (p.startsWith(QLatin1Char('/')))
            AddOnce(out, p);
        else if (const int n = ComNumber(p))
            AddOnce(out, ComName(n));
        else
            return fail(QCoreApplication::translate("Fleet", "порт %1: нужен COM1 - COM%2 или путь к устройству").arg(p).arg(PortMap::LastPort));
    }
    for (const QString& range : ranges) {
        const QStringList ends = range.split(QLatin1Char('-'));
        const int from = ComNumber(ends.first());
        const int to = ComNumber(ends.last());
        if (ends.size() > 2 || !from || !to || to < from)
            return fail(QCoreApplication::translate("Fleet", "порты %1: нужен диапазон вида COM1-COM8").arg(range));
        for (int n = from; n <= to; ++n)
            AddOnce(out, ComName(n));
    }
    ports = out;
    return true;
}

namespace {
QString Bytes(const TStationResult& r) { return r.bytesWritten < 0 ? QStringLiteral("-") : QString::number(r.bytesWritten); }
QString OrDash(const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; }
QString Seconds(const TStationResult& r) { return DecimalText(r.seconds, 1); }
} // namespace

QString SummaryTable(const QList<TStationResult>& results)
{
    const QStringList head{QCoreApplication::translate("Fleet", "Порт"), QCoreApplication::translate("Fleet", "Результат"), QCoreApplication::translate("Fleet", "Записано байт"),
                           QCoreApplication::translate("Fleet", "Проверка"), QCoreApplication::translate("Fleet", "Резервная копия"), QCoreApplication::translate("Fleet", "Секунды")};
    QList<QStringList> rows{head};
    for (const TStationResult& r : results)
        rows << QStringList{r.port, r.result, Bytes(r), OrDash(r.verify), OrDash(r.backup), Seconds(r)};
    QList<int> widths(head.size(), 0);
    for (const QStringList& row : rows)
        for (int c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], static_cast<int>(row[c].size()));
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c)
            line += (c ? QStringLiteral("  ") : QString()) + row[c].leftJustified(c + 1 < row.size() ? widths[c] : 0);
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QByteArray SummaryJson(const QList<TStationResult>& results)
{
    QJsonArray list;
    for (const TStationResult& r : results) {
        QJsonObject o{{"port", r.port}, {"ok", r.Ok()}, {"exitCode", r.code}, {"result", r.result},
                      {"seconds", r.seconds}};
        if (r.bytesWritten >= 0)
            o.insert(QStringLiteral("bytesWritten"), r.bytesWritten);
        if (!r.verify.isEmpty())
            o.insert(QStringLiteral("verify"), r.verify);
        if (!r.backup.isEmpty())
            o.insert(QStringLiteral("backup"), r.backup);
        if (!r.file.isEmpty())
            o.insert(QStringLiteral("file"), r.file);
        list.append(o);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}
