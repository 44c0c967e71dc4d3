#include "editors/BandCatalogue.h"
#include "app/Convert.h"
#include "document/U_xml.h"
#include <limits>

namespace {
int KHzToHz(const QString& text)
{
    const int kHz = StrToInt(text);
    if (kHz > std::numeric_limits<int>::max() / 1000 || kHz < std::numeric_limits<int>::min() / 1000)
        throw EConvertError(QStringLiteral("'%1' is not a valid frequency in kHz").arg(text));
    return kHz * 1000;
}
} // namespace

TBandLimits ReadBandLimits(TXMLFile& xml, const QString& catalogue, int band)
{
    xml.LoadFromFile(catalogue);
    const QString n = QString::number(band);
    TBandLimits limits;
    limits.minHz = KHzToHz(xml.ReadValue(QStringLiteral("params"), QStringLiteral("diap"), QStringLiteral("min") + n));
    limits.maxHz = KHzToHz(xml.ReadValue(QStringLiteral("params"), QStringLiteral("diap"), QStringLiteral("max") + n));
    const QString step = xml.ReadValue(QStringLiteral("params"), QStringLiteral("step"));
    limits.stepHz = StrToInt(step);
    // The frequency entry divides by the step: a step of zero or below is as
    // unusable as one that is not a number.
    if (limits.stepHz <= 0)
        throw EConvertError(QStringLiteral("'%1' is not a valid frequency step").arg(step));
    return limits;
}
