#pragma once
#include "link/TransferProgress.h"

// One progress position over an exchange made of several transfers (the
// safe write's read, write and verify): each phase has a weight, its line
// time in characters, and the positions of the transfer running in it are
// mapped onto the phase's share of the whole. The position never goes back:
// when the plan grows (a full rewrite after a failed verify) it holds until
// the work catches up. The transfers' own showing and hiding is ignored;
// whoever owns the progress shows it before and hides it after.
class TSpanProgress : public TTransferProgress {
public:
    explicit TSpanProgress(TTransferProgress* outer) : outer(outer) {}

    // A new phase of the given weight starts; what is known to follow it
    // weighs ahead. The phase before counts as done.
    void Start(int weight, int ahead);

    // The position of the transfer of the current phase, 0 to 100.
    void SetPosition(int position) override;
    void SetVisible(bool) override {}

    // The whole so far, 0 to 100.
    int Position() const { return shown; }

private:
    TTransferProgress* outer;
    long long done = 0;
    int current = 0;
    int ahead = 0;
    int shown = 0;
};
