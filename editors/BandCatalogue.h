#pragma once
#include <QString>

class TXMLFile;

// The limits and step of one frequency band of the catalogue, in hertz.
struct TBandLimits {
    int minHz = 0;
    int maxHz = 0;
    int stepHz = 0;
};

// Reads band N (from 1) and the frequency step from the catalogue file.
// Throws EConvertError when a limit or the step is missing or not a number,
// when the step is not positive, or when a limit in hertz would not fit.
TBandLimits ReadBandLimits(TXMLFile& xml, const QString& catalogue, int band);

// Refuses a band number that names no entry of the band list (bands 1 to
// bandCount): throws EConvertError with a message naming the number. The
// message starts with context when one is given.
void CheckBandNumber(int band, int bandCount, const QString& context = QString());
