#include "editors/AutoRepeat.h"
#include "widgets/CSpinEdit.h"

void StepFrequency(TCSpinEdit* field, bool up)
{
    if (up)
        field->StepUp();
    else
        field->StepDown();
}

TAutoRepeat::TAutoRepeat(QTimer* timer, TCSpinEdit* receive, TCSpinEdit* transmit)
    : timer(timer)
    , receive(receive)
    , transmit(transmit)
{
    timer->stop();
    timer->setInterval(FirstDelay);
}

void TAutoRepeat::Step(int button)
{
    switch (button) {
    case ReceiveDown: StepFrequency(receive, false); break;
    case ReceiveUp: StepFrequency(receive, true); break;
    case TransmitDown: StepFrequency(transmit, false); break;
    case TransmitUp: StepFrequency(transmit, true); break;
    default: break;
    }
}

void TAutoRepeat::Press(int button)
{
    Step(button);
    heldButton = button;
    repeatCount = 0;
    timer->setInterval(FirstDelay);
    timer->start();
}

void TAutoRepeat::Tick()
{
    timer->stop();
    ++repeatCount;
    Step(heldButton);
    timer->setInterval(repeatCount < Threshold ? SlowRepeat : FastRepeat);
    timer->start();
}

void TAutoRepeat::Release()
{
    timer->stop();
    timer->setInterval(FirstDelay);
}
