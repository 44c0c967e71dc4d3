#include "cli/StationSession.h"
#include "cli/StopSignals.h"

namespace {
constexpr int IconStopped = 0;
constexpr int IconError = 6;
}

TStationSession::TStationSession(const QString& port, int baud)
    : link(line, [port, baud] { return TConnectionChoice{port, QString::number(baud)}; },
           [this](int icon, const QString& text) { Journal(icon, text); }),
      safeWrite(line, [port, baud] { return TConnectionChoice{port, QString::number(baud)}; },
                [this](int icon, const QString& text) { Journal(icon, text); })
{
    line.SetMessageHook([] {});
    line.SetCancelCheck([] { return StopSignals::Requested(); });
}

void TStationSession::Journal(int icon, const QString& text)
{
    if (icon == IconError)
        errors << text;
    else if (icon == IconStopped && text.startsWith(TStationLink::TextStopped()))
        stopText = text;
}
