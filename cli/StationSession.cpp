#include "cli/StationSession.h"
#include "cli/StopSignals.h"

namespace {
constexpr int IconStopped = 0;
constexpr int IconError = 6;
}

namespace {
TStationLink::ChoiceSource Choice(const TLineSetup& setup)
{
    const TConnectionChoice choice{setup.port, QString::number(setup.baud)};
    return [choice] { return choice; };
}
} // namespace

TStationSession::TStationSession(const TLineSetup& setup)
    : link(line, Choice(setup), [this](int icon, const QString& text) { Journal(icon, text); }),
      safeWrite(line, Choice(setup), [this](int icon, const QString& text) { Journal(icon, text); })
{
    line.SetMessageHook([] {});
    line.SetCancelCheck([] { return StopSignals::Requested(); });
    line.SetTrace(setup.trace);
}

void TStationSession::Journal(int icon, const QString& text)
{
    if (icon == IconError)
        errors << text;
    else if (icon == IconStopped && text.startsWith(TStationLink::TextStopped()))
        stopText = text;
}
