#include "link/ProgressBarSink.h"
#include "widgets/Frprogress.h"

void TProgressBarSink::SetPosition(int position)
{
    bar->SetPosition(position);
}

void TProgressBarSink::SetVisible(bool visible)
{
    bar->setVisible(visible);
}
