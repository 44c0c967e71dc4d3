#pragma once

// Where a long transfer shows how far it has come: the program's progress
// bar, or an observer in a test or benchmark.
class TTransferProgress {
public:
    virtual ~TTransferProgress() = default;
    virtual void SetPosition(int position) = 0;
    virtual void SetVisible(bool visible) = 0;
};
