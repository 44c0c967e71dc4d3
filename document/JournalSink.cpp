#include "document/JournalSink.h"

namespace {
JournalSink& Sink()
{
    static JournalSink sink;
    return sink;
}
} // namespace

void AddJournalEvent(int icon, const QString& text)
{
    if (Sink())
        Sink()(icon, text);
}

void SetJournalSink(JournalSink sink)
{
    Sink() = std::move(sink);
}
