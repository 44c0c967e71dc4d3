#include "cli/JsonConfig.h"
#include "document/ConfigFields.h"
#include "link/StationRecord.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {
constexpr int ChannelCount = 100;
const QString FormatName = QStringLiteral("tarnik-config");

// A whole number within low..high, or false.
bool WholeNumber(const QJsonValue& v, int low, int high, int& out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (std::floor(d) != d || d < low || d > high)
        return false;
    out = static_cast<int>(d);
    return true;
}

QString Bad(const QString& key, int low, int high)
{
    return QStringLiteral("%1: нужно целое число от %2 до %3").arg(key).arg(low).arg(high);
}
} // namespace

QByteArray RecordToJson(const TTarnikPlus& r, const QStringList& missing)
{
    QJsonObject settings;
    QJsonArray noise;
    for (const TSettingField& f : SettingFields()) {
        if (missing.contains(f.key))
            continue;
        if (f.key.startsWith(QStringLiteral("noiseLevel")))
            noise.append(f.get(r));
        else if (f.truth)
            settings.insert(f.key, f.get(r) != 0);
        else
            settings.insert(f.key, f.get(r));
    }
    settings.insert(QStringLiteral("noiseLevels"), noise);
    QJsonArray channels;
    for (int i = 0; i < static_cast<int>(r.channels.size()) && i < ChannelCount; ++i) {
        const TTarnikRec& ch = r.channels[i];
        if (!ch.enable)
            continue;
        channels.append(QJsonObject{{"channel", i}, {"rxKHz", ch.RX}, {"txKHz", ch.TX},
                                    {"ctcssRx", ch.CTCSSRX}, {"ctcssTx", ch.CTCSSTX}});
    }
    QJsonObject root{{"format", FormatName}, {"version", 1}, {"settings", settings}, {"channels", channels}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool RecordFromJson(const QByteArray& bytes, TTarnikPlus& record, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return fail(QStringLiteral("не JSON: %1 (позиция %2)").arg(error.errorString()).arg(error.offset));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != FormatName)
        return fail(QStringLiteral("format: нужно \"%1\"").arg(FormatName));
    const QJsonObject settings = root.value(QStringLiteral("settings")).toObject();
    const QJsonArray noise = settings.value(QStringLiteral("noiseLevels")).toArray();
    if (noise.size() != 10)
        return fail(QStringLiteral("settings/noiseLevels: нужно 10 чисел"));

    TTarnikPlus r;
    int k = 0;
    for (const TSettingField& f : SettingFields()) {
        const bool isNoise = f.key.startsWith(QStringLiteral("noiseLevel"));
        const QJsonValue v = isNoise ? noise.at(k++) : settings.value(f.key);
        const QString key = isNoise ? QStringLiteral("settings/noiseLevels[%1]").arg(k - 1)
                                    : QStringLiteral("settings/") + f.key;
        int value = 0;
        if (f.truth) {
            if (!v.isBool())
                return fail(key + QStringLiteral(": нужно true или false"));
            value = v.toBool() ? 1 : 0;
        } else if (!WholeNumber(v, f.min, f.max, value)) {
            return fail(Bad(key, f.min, f.max));
        }
        f.set(r, value);
    }

    r.channels.resize(ChannelCount);
    const QJsonValue list = root.value(QStringLiteral("channels"));
    if (!list.isArray())
        return fail(QStringLiteral("channels: нужен список каналов"));
    for (const QJsonValue& item : list.toArray()) {
        const QJsonObject c = item.toObject();
        int n = 0;
        if (!WholeNumber(c.value(QStringLiteral("channel")), 0, ChannelCount - 1, n))
            return fail(Bad(QStringLiteral("channels/channel"), 0, ChannelCount - 1));
        const QString at = QStringLiteral("channels[%1]/").arg(n);
        TTarnikRec& ch = r.channels[n];
        if (ch.enable)
            return fail(QStringLiteral("channels: канал %1 указан дважды").arg(n));
        if (!WholeNumber(c.value(QStringLiteral("rxKHz")), 0, 2147483, ch.RX))
            return fail(Bad(at + QStringLiteral("rxKHz"), 0, 2147483));
        if (!WholeNumber(c.value(QStringLiteral("txKHz")), 0, 2147483, ch.TX))
            return fail(Bad(at + QStringLiteral("txKHz"), 0, 2147483));
        if (!WholeNumber(c.value(QStringLiteral("ctcssRx")), 0, 255, ch.CTCSSRX))
            return fail(Bad(at + QStringLiteral("ctcssRx"), 0, 255));
        if (!WholeNumber(c.value(QStringLiteral("ctcssTx")), 0, 255, ch.CTCSSTX))
            return fail(Bad(at + QStringLiteral("ctcssTx"), 0, 255));
        ch.enable = true;
    }
    record = r;
    return true;
}
