#include "cli/JsonConfig.h"
#include "document/ConfigFields.h"
#include "link/StationRecord.h"
#include <QCoreApplication>
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
    return QCoreApplication::translate("JsonConfig", "%1: нужно целое число от %2 до %3").arg(key).arg(low).arg(high);
}

// The parser's fault in the program's words (its own texts are English).
QString ParseFault(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QCoreApplication::translate("JsonConfig", "объект не закрыт");
    case QJsonParseError::MissingNameSeparator:
        return QCoreApplication::translate("JsonConfig", "нет двоеточия после ключа");
    case QJsonParseError::UnterminatedArray:
        return QCoreApplication::translate("JsonConfig", "список не закрыт");
    case QJsonParseError::MissingValueSeparator:
        return QCoreApplication::translate("JsonConfig", "нет запятой между значениями");
    case QJsonParseError::IllegalValue:
        return QCoreApplication::translate("JsonConfig", "недопустимое значение");
    case QJsonParseError::TerminationByNumber:
        return QCoreApplication::translate("JsonConfig", "текст оборвался на числе");
    case QJsonParseError::IllegalNumber:
        return QCoreApplication::translate("JsonConfig", "недопустимое число");
    case QJsonParseError::IllegalEscapeSequence:
    case QJsonParseError::IllegalUTF8String:
        return QCoreApplication::translate("JsonConfig", "недопустимый символ в строке");
    case QJsonParseError::UnterminatedString:
        return QCoreApplication::translate("JsonConfig", "строка не закрыта");
    case QJsonParseError::MissingObject:
        return QCoreApplication::translate("JsonConfig", "нет объекта");
    case QJsonParseError::DeepNesting:
        return QCoreApplication::translate("JsonConfig", "слишком глубокая вложенность");
    case QJsonParseError::DocumentTooLarge:
        return QCoreApplication::translate("JsonConfig", "документ слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return QCoreApplication::translate("JsonConfig", "лишний текст после конца документа");
    case QJsonParseError::NoError:
        break;
    }
    return QCoreApplication::translate("JsonConfig", "ошибка разбора");
}

// The first key of the object that is not among the known ones, or empty.
QString UnknownKey(const QJsonObject& object, const QStringList& known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            return it.key();
    }
    return QString();
}

// A value as the file writes it: 2, "1.0", true.
QString ValueText(const QJsonValue& value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString UnknownKeyText(const QString& path) { return QCoreApplication::translate("JsonConfig", "%1: неизвестный ключ").arg(path); }

const QStringList RootKeys{QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("settings"),
                           QStringLiteral("channels")};
const QStringList ChannelKeys{QStringLiteral("channel"), QStringLiteral("rxKHz"), QStringLiteral("txKHz"),
                              QStringLiteral("ctcssRx"), QStringLiteral("ctcssTx")};
constexpr int FormatVersion = 1;
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
    QJsonObject root{{"format", FormatName}, {"version", FormatVersion}, {"settings", settings}, {"channels", channels}};
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
        return fail(QCoreApplication::translate("JsonConfig", "не JSON: %1 (позиция %2)").arg(ParseFault(error.error)).arg(error.offset));
    if (!doc.isObject())
        return fail(QCoreApplication::translate("JsonConfig", "не JSON-объект конфигурации"));
    // A key the program does not know is refused rather than passed over:
    // it is a misspelt setting, or a file of a later version whose values
    // would be lost without a word.
    const QJsonObject root = doc.object();
    const QString unknownRoot = UnknownKey(root, RootKeys);
    if (!unknownRoot.isEmpty())
        return fail(UnknownKeyText(unknownRoot));
    if (root.value(QStringLiteral("format")) != QJsonValue(FormatName))
        return fail(root.contains(QStringLiteral("format"))
                        ? QCoreApplication::translate("JsonConfig", "format: %1 - неизвестный формат, нужно \"%2\"")
                              .arg(ValueText(root.value(QStringLiteral("format"))), FormatName)
                        : QCoreApplication::translate("JsonConfig", "format: нужно \"%1\"").arg(FormatName));
    if (root.contains(QStringLiteral("version"))) {
        int version = 0;
        if (!WholeNumber(root.value(QStringLiteral("version")), FormatVersion, FormatVersion, version))
            return fail(QCoreApplication::translate("JsonConfig", "version: %1 - неизвестная версия, программа читает версию %2")
                            .arg(ValueText(root.value(QStringLiteral("version"))))
                            .arg(FormatVersion));
    }
    const QJsonObject settings = root.value(QStringLiteral("settings")).toObject();
    QStringList settingKeys{QStringLiteral("noiseLevels")};
    for (const TSettingField& f : SettingFields()) {
        if (!f.key.startsWith(QStringLiteral("noiseLevel")))
            settingKeys << f.key;
    }
    const QString unknownSetting = UnknownKey(settings, settingKeys);
    if (!unknownSetting.isEmpty())
        return fail(UnknownKeyText(QStringLiteral("settings/") + unknownSetting));
    const QJsonArray noise = settings.value(QStringLiteral("noiseLevels")).toArray();
    if (noise.size() != 10)
        return fail(QCoreApplication::translate("JsonConfig", "settings/noiseLevels: нужно 10 чисел"));

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
                return fail(QCoreApplication::translate("JsonConfig", "%1: нужно true или false").arg(key));
            value = v.toBool() ? 1 : 0;
        } else if (!WholeNumber(v, f.min, f.max, value)) {
            return fail(Bad(key, f.min, f.max));
        }
        f.set(r, value);
    }

    r.channels.resize(ChannelCount);
    const QJsonValue list = root.value(QStringLiteral("channels"));
    if (!list.isArray())
        return fail(QCoreApplication::translate("JsonConfig", "channels: нужен список каналов"));
    for (const QJsonValue& item : list.toArray()) {
        if (!item.isObject())
            return fail(QCoreApplication::translate("JsonConfig", "channels: каждый канал - объект"));
        const QJsonObject c = item.toObject();
        int n = 0;
        if (!WholeNumber(c.value(QStringLiteral("channel")), 0, ChannelCount - 1, n))
            return fail(Bad(QStringLiteral("channels/channel"), 0, ChannelCount - 1));
        const QString at = QStringLiteral("channels[%1]/").arg(n);
        const QString unknownChannelKey = UnknownKey(c, ChannelKeys);
        if (!unknownChannelKey.isEmpty())
            return fail(UnknownKeyText(at + unknownChannelKey));
        TTarnikRec& ch = r.channels[n];
        if (ch.enable)
            return fail(QCoreApplication::translate("JsonConfig", "channels: канал %1 указан дважды").arg(n));
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
