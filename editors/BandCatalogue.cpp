#include "editors/BandCatalogue.h"
#include "document/Convert.h"
#include "document/U_xml.h"
#include <QCoreApplication>
#include <limits>

namespace {
int KHzToHz(const QString& text)
{
    const int kHz = StrToInt(text);
    if (kHz > std::numeric_limits<int>::max() / 1000 || kHz < std::numeric_limits<int>::min() / 1000)
        throw EConvertError(QCoreApplication::translate("BandCatalogue", "\"%1\" не является частотой в кГц").arg(text));
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
        throw EConvertError(QCoreApplication::translate("BandCatalogue", "\"%1\" не является шагом частоты").arg(step));
    return limits;
}

void CheckBandNumber(int band, int bandCount, const QString& context)
{
    if (band >= 1 && band <= bandCount)
        return;
    QString message = bandCount > 0
        ? QCoreApplication::translate("BandCatalogue", "Частотный диапазон %1 не описан в каталоге Settings.xml (в каталоге диапазоны 1 - %2).")
              .arg(band)
              .arg(bandCount)
        : QCoreApplication::translate("BandCatalogue", "Частотный диапазон %1 не описан в каталоге Settings.xml (в каталоге нет диапазонов).")
              .arg(band);
    if (!context.isEmpty())
        message = context + QLatin1Char(' ') + message;
    throw EConvertError(message);
}
