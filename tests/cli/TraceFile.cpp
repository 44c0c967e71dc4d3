#include "tests/cli/TraceFile.h"
#include "tests/cli/CliRun.h"
#include <QRegularExpression>

TraceFile ReadTrace(const QString& path)
{
    // "  12.408 > 11 39 01", "  12.602 < 01", "  13.000 # words"
    static const QRegularExpression bytesLine(QStringLiteral("^ *(\\d+\\.\\d{3}) ([<>]) ((?:[0-9A-F]{2} )*[0-9A-F]{2})$"));
    static const QRegularExpression noteLine(QStringLiteral("^ *(\\d+\\.\\d{3}) # (.+)$"));
    TraceFile trace;
    QList<TraceLine> group;
    const QStringList lines = QString::fromUtf8(ReadFile(path)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            if (!group.isEmpty())
                trace.groups << group;
            group.clear();
            continue;
        }
        if (line.startsWith(QLatin1Char('#'))) {
            trace.headers << line;
            continue;
        }
        TraceLine t;
        QRegularExpressionMatch m = bytesLine.match(line);
        if (m.hasMatch()) {
            t.ms = m.captured(1).toDouble();
            t.direction = m.captured(2).at(0);
            t.bytes = QByteArray::fromHex(m.captured(3).toLatin1());
        } else if ((m = noteLine.match(line)).hasMatch()) {
            t.ms = m.captured(1).toDouble();
            t.direction = QLatin1Char('#');
            t.text = m.captured(2);
        } else {
            trace.malformed << line;
            continue;
        }
        group << t;
    }
    if (!group.isEmpty())
        trace.groups << group;
    return trace;
}

QByteArray TraceFile::Bytes(int group, QChar direction) const
{
    QByteArray bytes;
    for (const TraceLine& t : groups.value(group)) {
        if (t.direction == direction)
            bytes += t.bytes;
    }
    return bytes;
}

QStringList TraceFile::Requests() const
{
    QStringList requests;
    for (const QList<TraceLine>& g : groups) {
        for (const TraceLine& t : g) {
            if (t.direction == QLatin1Char('>'))
                requests << QString::fromLatin1(t.bytes.toHex(' ').toUpper());
        }
    }
    return requests;
}

QList<double> TraceFile::Times() const
{
    QList<double> times;
    for (const QList<TraceLine>& g : groups) {
        for (const TraceLine& t : g)
            times << t.ms;
    }
    return times;
}

QStringList TraceFile::Notes() const
{
    QStringList notes;
    for (const QList<TraceLine>& g : groups) {
        for (const TraceLine& t : g) {
            if (t.direction == QLatin1Char('#'))
                notes << t.text;
        }
    }
    return notes;
}
