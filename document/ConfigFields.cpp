#include "document/ConfigFields.h"
#include "document/ProgramLanguage.h"
#include "editors/CtcssTones.h"
#include "editors/StationCatalogue.h"
#include "link/StationRecord.h"
#include <QCoreApplication>

namespace {

template <typename T, typename Owner>
TSettingField Field(const char* key, const char* caption, T Owner::*member, int max,
                    std::function<QStringList(const TStationCatalogue&)> words = {})
{
    TSettingField f;
    f.key = QString::fromUtf8(key);
    f.caption = QCoreApplication::translate("ConfigFields", caption);
    f.max = max;
    f.truth = std::is_same_v<T, bool>;
    f.get = [member](const TTarnikPlus& r) { return static_cast<int>(r.*member); };
    f.set = [member](TTarnikPlus& r, int v) { r.*member = static_cast<T>(v); };
    f.words = std::move(words);
    return f;
}

QStringList Levels(const TStationCatalogue& c) { return c.lists.levels; }

std::vector<TSettingField> MakeFields()
{
    std::vector<TSettingField> fields;
    TSettingField band = Field("range", QT_TRANSLATE_NOOP("ConfigFields", "Частотный диапазон"), &TTarnikPlus::range, 255,
                               [](const TStationCatalogue& c) { return QStringList{QString()} + c.lists.bands; });
    fields.push_back(band);
    fields.push_back(Field("volume", QT_TRANSLATE_NOOP("ConfigFields", "Уровень громкости"), &TTarnikPlus::volume, 255,
                           [](const TStationCatalogue& c) { return c.lists.volume; }));
    fields.push_back(Field("squelch", QT_TRANSLATE_NOOP("ConfigFields", "Уровень шумоподавителя"), &TTarnikPlus::squelch, 255,
                           [](const TStationCatalogue& c) { return c.lists.squelch; }));
    fields.push_back(Field("analogSql", QT_TRANSLATE_NOOP("ConfigFields", "Уровень аналогового SQL"), &TTarnikPlus::analogSql, 255));
    fields.push_back(Field("deviation", QT_TRANSLATE_NOOP("ConfigFields", "Уровень девиации"), &TTarnikPlus::deviation, 31,
                           [](const TStationCatalogue& c) { return c.lists.deviation; }));
    fields.push_back(Field("micSensitivity", QT_TRANSLATE_NOOP("ConfigFields", "Уровень чувствительности микрофона"), &TTarnikPlus::micSensitivity, 31, Levels));
    fields.push_back(Field("rxGain", QT_TRANSLATE_NOOP("ConfigFields", "Усиление на прием"), &TTarnikPlus::rxGain, 31, Levels));
    fields.push_back(Field("ctcssTxLevel", QT_TRANSLATE_NOOP("ConfigFields", "Уровень CTCSS на передачу"), &TTarnikPlus::ctcssTxLevel, 31, Levels));
    fields.push_back(Field("ctcssRxLevel", QT_TRANSLATE_NOOP("ConfigFields", "Уровень CTCSS на прием"), &TTarnikPlus::ctcssRxLevel, 31, Levels));
    fields.push_back(Field("scramblerOn", QT_TRANSLATE_NOOP("ConfigFields", "Маскиратор включен"), &TTarnikPlus::scramblerOn, 1));
    fields.push_back(Field("scramblerFitted", QT_TRANSLATE_NOOP("ConfigFields", "Маскиратор установлен"), &TTarnikPlus::scramblerFitted, 1));
    fields.push_back(Field("pttTimeout", QT_TRANSLATE_NOOP("ConfigFields", "Режим отключения по таймауту нажатия на тангенту"), &TTarnikPlus::pttTimeout, 1));
    fields.push_back(Field("busyLockout", QT_TRANSLATE_NOOP("ConfigFields", "Блокировка выхода в передачу по наличию несущей"), &TTarnikPlus::busyLockout, 1));
    fields.push_back(Field("repeater", QT_TRANSLATE_NOOP("ConfigFields", "Работа в режиме ретранслятора"), &TTarnikPlus::repeater, 1));
    fields.push_back(Field("timeoutTime", QT_TRANSLATE_NOOP("ConfigFields", "Время таймаута"), &TTarnikPlus::timeoutTime, 65535));
    fields.push_back(Field("normalPowerOff", QT_TRANSLATE_NOOP("ConfigFields", "Нормальное выключение"), &TTarnikPlus::normalPowerOff, 1));
    fields.push_back(Field("normalTxEnd", QT_TRANSLATE_NOOP("ConfigFields", "Нормальное завершение передачи"), &TTarnikPlus::normalTxEnd, 1));
    for (int k = 0; k < 10; ++k) {
        TSettingField f;
        f.key = QStringLiteral("noiseLevel%1").arg(k + 1);
        f.caption = QCoreApplication::translate("ConfigFields", "Уровень шумоподавителя №%1").arg(k + 1);
        f.get = [k](const TTarnikPlus& r) { return static_cast<int>(r.noiseLevels[k]); };
        f.set = [k](TTarnikPlus& r, int v) { r.noiseLevels[k] = static_cast<uint8_t>(v); };
        fields.push_back(f);
    }
    fields.push_back(Field("pwmPower", QT_TRANSLATE_NOOP("ConfigFields", "Мощность ШИМ"), &TTarnikPlus::pwmPower, 255));
    fields.push_back(Field("lastChannel", QT_TRANSLATE_NOOP("ConfigFields", "Последний включенный канал"), &TTarnikPlus::lastChannel, 255));
    return fields;
}

} // namespace

const std::vector<TSettingField>& SettingFields()
{
    static const std::vector<TSettingField> fields = MakeFields();
    return fields;
}

QString SettingText(const TSettingField& field, int value, const TStationCatalogue* catalogue)
{
    if (field.truth)
        return value ? QCoreApplication::translate("ConfigFields", "да") : QCoreApplication::translate("ConfigFields", "нет");
    if (catalogue && field.words) {
        const QStringList words = field.words(*catalogue);
        if (value >= 0 && value < words.size() && !words[value].isEmpty())
            return QStringLiteral("%1 (%2)").arg(CatalogueText(words[value])).arg(value);
    }
    return QString::number(value);
}

QString KHzText(int kHz)
{
    return QCoreApplication::translate("ConfigFields", "%1 кГц").arg(kHz);
}

QString ToneIndexText(int index)
{
    if (index == 0)
        //: No CTCSS tone on the channel.
        return QCoreApplication::translate("ConfigFields", "нет", "no tone");
    if (index >= 1 && index <= static_cast<int>(CtcssTones.size()))
        return ToneText(CtcssTones[index - 1]);
    return QCoreApplication::translate("ConfigFields", "тон №%1").arg(index);
}
