#include "link/ExchangeGate.h"
#include "link/SerialLine.h"

void TExchangeGate::RequestStop()
{
    if (busy)
        stopRequested = true;
}

TExchangeGate::Exchange::Exchange(TExchangeGate& gate, TSerialLine* line)
    : gate(gate), line(line)
{
    gate.busy = true;
    gate.stopRequested = false;
    if (line)
        line->SetCancelCheck([g = &gate] { return g->stopRequested; });
    emit gate.Started();
}

TExchangeGate::Exchange::~Exchange()
{
    if (line)
        line->SetCancelCheck({});
    gate.stopRequested = false;
    gate.busy = false;
    emit gate.Ended();
}

TExchangeGate& StationGate()
{
    static TExchangeGate gate;
    return gate;
}
