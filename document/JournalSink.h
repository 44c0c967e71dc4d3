#pragma once
#include <QString>
#include <functional>

// The journal's one operation, for every layer: an event with an icon
// index (5 success, 6 error, 0 a waiting notice, ...) and a text. The
// journal window makes itself the sink when it is built and gives it up
// when it goes; without a sink an event goes nowhere.
void AddJournalEvent(int icon, const QString& text);

using JournalSink = std::function<void(int icon, const QString& text)>;
void SetJournalSink(JournalSink sink);
