#include "document/LanguageSetting.h"
#include "document/U_xml.h"

namespace {
const QString Params = QStringLiteral("params");
const QString Lang = QStringLiteral("lang");

QString Known(const QString& value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("ru") || v == QLatin1String("en") ? v : QString();
}
} // namespace

QString LanguageSetting(const TXMLFile& xml) { return Known(xml.ReadValue(Params, Lang)); }

void WriteLanguageSetting(TXMLFile& xml, const QString& setting)
{
    const QString value = Known(setting);
    if (value.isEmpty() && xml.FindNode(Params, Lang).isNull())
        return;
    xml.WriteValue(Params, Lang, value);
}
