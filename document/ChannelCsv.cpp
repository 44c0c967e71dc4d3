#include "document/ChannelCsv.h"
#include "editors/CtcssTones.h"
#include <QCoreApplication>
#include <QString>
#include <cmath>
#include <limits>

const QStringList ChannelCsvColumns = {QStringLiteral("channel"), QStringLiteral("enabled"),
                                       QStringLiteral("rx_hz"), QStringLiteral("tx_hz"),
                                       QStringLiteral("ctcss_rx_hz"), QStringLiteral("ctcss_tx_hz")};
const QStringList ChannelCsvColumnsKHz = {QStringLiteral("channel"), QStringLiteral("enable"),
                                          QStringLiteral("rx_khz"), QStringLiteral("tx_khz"),
                                          QStringLiteral("ctcss_rx_hz"), QStringLiteral("ctcss_tx_hz")};

namespace {
enum Column { Channel, Enabled, RxHz, TxHz, ToneRx, ToneTx };

// "67.0" for tone list item k (1..50), empty for "Нет" or an index outside
// the list.
QString ToneField(int index)
{
    if (index < 1 || index > static_cast<int>(CtcssTones.size()))
        return QString();
    return QString::number(static_cast<double>(CtcssTones[index - 1]), 'f', 1);
}

// The tone list item of a field: 0 for an empty field, the tone's item for
// a number that rounds to one of the tones at one decimal, -1 otherwise.
// The decimal separator may be a point or a comma, whatever separates the
// fields: a comma inside a field can only have come quoted.
int ToneIndex(QString field)
{
    if (field.isEmpty())
        return 0;
    field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double hz = field.toDouble(&ok);
    if (!ok || !std::isfinite(hz))
        return -1;
    const QString text = QString::number(hz, 'f', 1);
    for (int k = 0; k < static_cast<int>(CtcssTones.size()); ++k)
        if (text == ToneField(k + 1))
            return k + 1;
    return -1;
}

// Splits one line at the separator; a field in double quotes may hold the
// separator, and "" inside it stands for one quote.
QStringList SplitLine(const QString& line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

bool ParseFlag(const QString& field, bool& on)
{
    const QString f = field.toLower();
    if (f == QLatin1String("1") || f == QLatin1String("true")) {
        on = true;
        return true;
    }
    if (f == QLatin1String("0") || f == QLatin1String("false")) {
        on = false;
        return true;
    }
    return false;
}

// The unit of a table's frequencies: hertz or kilohertz.
struct Unit {
    int hz;        // hertz per unit
    QString name;  // "Гц", "кГц"
};

// Why a frequency cannot be taken, or empty when it can. An empty field
// keeps the channel's frequency when the row disables the channel.
QString FrequencyProblem(const QString& name, const QString& field, bool enabled, int held, const TBandLimits& band,
                         const Unit& unit, int& hz)
{
    if (field.isEmpty() && !enabled) {
        hz = held;
        return QString();
    }
    bool ok = false;
    const qlonglong v = field.toLongLong(&ok);
    if (!ok)
        return QCoreApplication::translate("ChannelCsv", "%1 \"%2\" не число").arg(name, field);
    const qlonglong limit = std::numeric_limits<int>::max() / unit.hz;
    const qlonglong asHz = v > limit || v < -limit ? std::numeric_limits<qlonglong>::max() : v * unit.hz;
    if (asHz == held) {
        hz = held;
        return QString();
    }
    if (asHz < band.minHz || asHz > band.maxHz)
        return QCoreApplication::translate("ChannelCsv", "%1 %2 %3 вне диапазона %4 - %5 %3")
            .arg(name)
            .arg(v)
            .arg(unit.name)
            .arg(band.minHz / unit.hz)
            .arg(band.maxHz / unit.hz);
    if (band.stepHz > 0 && (asHz - band.minHz) % band.stepHz != 0)
        return QCoreApplication::translate("ChannelCsv", "%1 %2 %3 не кратна шагу %4 Гц").arg(name).arg(v).arg(unit.name).arg(band.stepHz);
    hz = static_cast<int>(asHz);
    return QString();
}
} // namespace

QByteArray WriteChannelCsv(const QVector<TProgrammerChannel>& channels)
{
    QString text = ChannelCsvColumns.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int i = 0; i < channels.size(); ++i) {
        const TProgrammerChannel& c = channels[i];
        text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                    .arg(i)
                    .arg(c.enable ? 1 : 0)
                    .arg(c.rxHz)
                    .arg(c.txHz)
                    .arg(ToneField(c.ctcssRx), ToneField(c.ctcssTx));
    }
    return text.toUtf8();
}

QByteArray WriteChannelCsvKHz(const QVector<TProgrammerChannel>& channels)
{
    QString text = ChannelCsvColumnsKHz.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int i = 0; i < channels.size(); ++i) {
        const TProgrammerChannel& c = channels[i];
        if (!c.enable) {
            text += QStringLiteral("%1,0,,,,\n").arg(i);
            continue;
        }
        text += QStringLiteral("%1,1,%2,%3,%4,%5\n")
                    .arg(i)
                    .arg(c.rxHz / 1000)
                    .arg(c.txHz / 1000)
                    .arg(ToneField(c.ctcssRx), ToneField(c.ctcssTx));
    }
    return text.toUtf8();
}

TChannelCsvImport ReadChannelCsv(const QByteArray& bytes, const TBandLimits& band,
                                 const QVector<TProgrammerChannel>& current)
{
    TChannelCsvImport result;
    result.channels = current;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));

    int lineNo = 0;
    int headerLine = -1;
    QChar separator = QLatin1Char(',');
    Unit unit{1, QCoreApplication::translate("ChannelCsv", "Гц")};
    QVector<bool> seen(current.size(), false);
    for (QString line : lines) {
        ++lineNo;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        auto bad = [&](const QString& why) { result.errors << QCoreApplication::translate("ChannelCsv", "строка %1: %2").arg(lineNo).arg(why); };
        if (headerLine < 0) {
            headerLine = lineNo;
            if (!line.contains(QLatin1Char(',')) && line.contains(QLatin1Char(';')))
                separator = QLatin1Char(';');
            QStringList header = SplitLine(line, separator);
            for (QString& h : header)
                h = h.toLower();
            if (header == ChannelCsvColumnsKHz) {
                unit = Unit{1000, QCoreApplication::translate("ChannelCsv", "кГц")};
            } else if (header != ChannelCsvColumns) {
                bad(QCoreApplication::translate("ChannelCsv", "заголовок должен быть \"%1\"").arg(ChannelCsvColumns.join(QLatin1Char(','))));
                return result;
            }
            continue;
        }
        const QStringList f = SplitLine(line, separator);
        if (f.size() != ChannelCsvColumns.size()) {
            bad(QCoreApplication::translate("ChannelCsv", "%1 полей вместо %2").arg(f.size()).arg(ChannelCsvColumns.size()));
            continue;
        }
        bool ok = false;
        const int n = f[Channel].toInt(&ok);
        if (!ok || n < 0 || n >= current.size()) {
            bad(QCoreApplication::translate("ChannelCsv", "номер канала \"%1\" вне 0 - %2").arg(f[Channel]).arg(current.size() - 1));
            continue;
        }
        if (seen[n]) {
            bad(QCoreApplication::translate("ChannelCsv", "канал %1 указан повторно").arg(n));
            continue;
        }
        seen[n] = true;
        TProgrammerChannel c = current[n];
        QStringList problems;
        if (!ParseFlag(f[Enabled], c.enable))
            problems << QCoreApplication::translate("ChannelCsv", "признак включения \"%1\" не 1 и не 0").arg(f[Enabled]);
        const QString rx =
            FrequencyProblem(QCoreApplication::translate("ChannelCsv", "частота RX"), f[RxHz], c.enable, current[n].rxHz, band, unit, c.rxHz);
        const QString tx =
            FrequencyProblem(QCoreApplication::translate("ChannelCsv", "частота TX"), f[TxHz], c.enable, current[n].txHz, band, unit, c.txHz);
        for (const QString& p : {rx, tx})
            if (!p.isEmpty())
                problems << p;
        // An empty field is "Нет"; a channel whose list shows no tone of the
        // list at all (a record's index beyond it) keeps that as it is.
        auto tone = [&](const QString& name, const QString& field, int held, int& index) {
            const int k = ToneIndex(field);
            if (k < 0)
                problems << QCoreApplication::translate("ChannelCsv", "тон %1 \"%2\" не из списка").arg(name, field);
            else
                index = k == 0 && (held < 1 || held > static_cast<int>(CtcssTones.size())) ? held : k;
        };
        tone(QStringLiteral("CTCSS(RX)"), f[ToneRx], current[n].ctcssRx, c.ctcssRx);
        tone(QStringLiteral("CTCSS(TX)"), f[ToneTx], current[n].ctcssTx, c.ctcssTx);
        if (!problems.isEmpty()) {
            bad(QCoreApplication::translate("ChannelCsv", "канал %1: %2").arg(n).arg(problems.join(QStringLiteral(", "))));
            continue;
        }
        result.channels[n] = c;
        result.named << n;
    }
    if (headerLine < 0)
        result.errors << QCoreApplication::translate("ChannelCsv", "файл пуст");
    return result;
}
