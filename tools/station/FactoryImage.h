#pragma once
#include "link/StationRecord.h"
#include <QByteArray>

// The configuration a station leaves the factory with: six channels in the
// first band (33 000 to 41 000 kHz, on the 25 kHz grid), some split and some
// with CTCSS tones, and ordinary settings.
namespace station {

TTarnikPlus FactoryRecord();
QByteArray FactoryImage();

} // namespace station
