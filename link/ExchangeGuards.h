#pragma once
#include "link/SerialLine.h"
#include "link/TransferProgress.h"

// Closes the port on every way out of an exchange.
class TPortSession {
public:
    explicit TPortSession(TSerialLine& line) : line(line) {}
    ~TPortSession() { line.ClosePort(); }
    TPortSession(const TPortSession&) = delete;
    TPortSession& operator=(const TPortSession&) = delete;

private:
    TSerialLine& line;
};

// Shows a progress observer at 0 and hides it again on every way out of a
// write.
class TProgressShown {
public:
    explicit TProgressShown(TTransferProgress* progress) : progress(progress)
    {
        if (progress) {
            progress->SetPosition(0);
            progress->SetVisible(true);
        }
    }
    ~TProgressShown() { Hide(); }
    void Hide()
    {
        if (progress)
            progress->SetVisible(false);
        progress = nullptr;
    }
    TProgressShown(const TProgressShown&) = delete;
    TProgressShown& operator=(const TProgressShown&) = delete;

private:
    TTransferProgress* progress;
};
