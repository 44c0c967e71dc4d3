#pragma once
#include <QObject>
#include <functional>

class TCSpinEdit;

// Keeps the receive and transmit frequency fields of an editor equal while
// its common-frequency option is on. A change made from code (stepping,
// the frequency entry, a band change, the set-channel command) is copied
// into the other field at once, clamped by that field's bounds; a bounce
// back stops after one round because setting the text a field already
// shows raises no change. A typed value is copied when the user commits it
// (Enter or leaving the field): copying each keystroke would put the other
// field on the band minimum after the first digit and bounce that back
// into the field being typed.
class TFrequencyMirror : public QObject {
public:
    TFrequencyMirror(TCSpinEdit* receive, TCSpinEdit* transmit, std::function<bool()> commonOn,
                     QObject* parent);

    // The owner's change handler of either field calls this.
    void FieldChanged(TCSpinEdit* field);

    // Copies a typed value that has not been committed yet, as its commit
    // would: for readers that store the fields while one may have the focus.
    void CommitTyped();

    // Puts both values in without copying one into the other (a stored
    // channel keeps its own receive and transmit frequency). A typed value
    // not committed yet is dropped.
    void SetBoth(int receiveHz, int transmitHz);

private:
    void Copy(TCSpinEdit* from);
    void Committed(TCSpinEdit* field);
    TCSpinEdit* Other(TCSpinEdit* field) const;

    TCSpinEdit* receive;
    TCSpinEdit* transmit;
    std::function<bool()> commonOn;
    TCSpinEdit* typed = nullptr;   // the field holding an uncommitted typed value
    bool loading = false;
};
