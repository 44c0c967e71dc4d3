#pragma once
#include <QObject>

class TSerialLine;

// The one station exchange at a time. An exchange (read, write, restore,
// the power test of the settings page) holds the gate for its lifetime;
// meanwhile every other command that talks to the station or touches the
// editors sees Busy() and is refused. "Стоп" asks the running exchange to
// stop: the serial line's cancel check answers true after the byte in
// progress. The main window follows Started and Ended to lock its commands
// and show "Стоп".
class TExchangeGate : public QObject {
    Q_OBJECT
public:
    bool Busy() const { return busy; }
    bool StopRequested() const { return stopRequested; }
    // Asks the running exchange to stop; nothing when none runs.
    void RequestStop();

    // Holds the gate for its lifetime, with the line's cancel check on the
    // gate's stop request. The gate must be free (check Busy() first).
    class Exchange {
    public:
        Exchange(TExchangeGate& gate, TSerialLine* line);
        ~Exchange();
        Exchange(const Exchange&) = delete;
        Exchange& operator=(const Exchange&) = delete;

    private:
        TExchangeGate& gate;
        TSerialLine* line;
    };

signals:
    void Started();
    void Ended();

private:
    bool busy = false;
    bool stopRequested = false;
};

// The program's gate, shared by the main window and the editors.
TExchangeGate& StationGate();
