#pragma once
#include "link/TransferProgress.h"

class Tfr_progress;

// Shows a transfer's progress on one of the program's progress bars.
class TProgressBarSink : public TTransferProgress {
public:
    explicit TProgressBarSink(Tfr_progress* bar) : bar(bar) {}
    void SetPosition(int position) override;
    void SetVisible(bool visible) override;

private:
    Tfr_progress* bar;
};
