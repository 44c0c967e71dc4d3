#include "cli/StationSession.h"

namespace {
constexpr int IconError = 6;
}

TStationSession::TStationSession(const QString& port, int baud)
    : link(line, [port, baud] { return TConnectionChoice{port, QString::number(baud)}; },
           [this](int icon, const QString& text) {
               if (icon == IconError)
                   lastError = text;
           }),
      safeWrite(line, [port, baud] { return TConnectionChoice{port, QString::number(baud)}; },
                [this](int icon, const QString& text) {
                    if (icon == IconError)
                        lastError = text;
                })
{
    line.SetMessageHook([] {});
}
