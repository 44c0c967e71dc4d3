#pragma once
#include "editors/ArrowButtons.h"
#include <QObject>
#include <QTimer>

class TCSpinEdit;

// The held arrow button of a pair of frequency fields (a channel row, the
// set-channel dialog). Pressing steps at once; holding steps again after
// FirstDelay, then every SlowRepeat until the repeat count reaches
// Threshold, then every FastRepeat. The owner's timer drives the repeats:
// its timeout calls Tick.
class TAutoRepeat {
public:
    static constexpr int FirstDelay = 500;
    static constexpr int SlowRepeat = 150;
    static constexpr int FastRepeat = 50;
    static constexpr int Threshold = 10;

    // Button codes.
    enum { ReceiveDown = 1, ReceiveUp = 2, TransmitDown = 3, TransmitUp = 4 };

    TAutoRepeat(QTimer* timer, TCSpinEdit* receive, TCSpinEdit* transmit);

    void Press(int button);   // mouse button down on an arrow
    void Tick();              // the timer fired
    void Release();           // mouse button up

    int HeldButton() const { return heldButton; }
    int RepeatCount() const { return repeatCount; }

    // One step of the field of a button code.
    void Step(int button);

private:
    QTimer* timer;
    TCSpinEdit* receive;
    TCSpinEdit* transmit;
    int heldButton = 0;
    int repeatCount = 0;
};

// One step of a frequency field: value minus or plus the increment,
// clamped into the field's bounds.
void StepFrequency(TCSpinEdit* field, bool up);

// Connects the four arrow buttons and the timer of a frequency editor (a
// channel row or the set-channel dialog) to its handlers
// SpeedButtonNMouseDown / SpeedButtonNMouseUp and Timer1Timer.
template <typename Editor>
void WireArrowButtons(Editor* e)
{
    WatchMouseButtons(e->SpeedButton1, [e] { e->SpeedButton1MouseDown(); }, [e] { e->SpeedButton1MouseUp(); });
    WatchMouseButtons(e->SpeedButton2, [e] { e->SpeedButton2MouseDown(); }, [e] { e->SpeedButton2MouseUp(); });
    WatchMouseButtons(e->SpeedButton3, [e] { e->SpeedButton3MouseDown(); }, [e] { e->SpeedButton3MouseUp(); });
    WatchMouseButtons(e->SpeedButton4, [e] { e->SpeedButton4MouseDown(); }, [e] { e->SpeedButton4MouseUp(); });
    QObject::connect(e->Timer1, &QTimer::timeout, e, [e] { e->Timer1Timer(); });
}
