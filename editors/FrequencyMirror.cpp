#include "editors/FrequencyMirror.h"
#include "widgets/CSpinEdit.h"

TFrequencyMirror::TFrequencyMirror(TCSpinEdit* receive, TCSpinEdit* transmit, std::function<bool()> commonOn,
                                   QObject* parent)
    : QObject(parent)
    , receive(receive)
    , transmit(transmit)
    , commonOn(std::move(commonOn))
{
    for (TCSpinEdit* field : {receive, transmit})
        connect(field, &TCSpinEdit::Commit, this, [this, field] { Committed(field); });
}

TCSpinEdit* TFrequencyMirror::Other(TCSpinEdit* field) const { return field == receive ? transmit : receive; }

void TFrequencyMirror::Copy(TCSpinEdit* from)
{
    if (commonOn())
        Other(from)->SetValue(from->Value());
}

void TFrequencyMirror::FieldChanged(TCSpinEdit* field)
{
    if (loading)
        return;
    if (field->TypedChange()) {
        typed = field;
        return;
    }
    // A value set from code replaces whatever was typed before.
    if (typed == field)
        typed = nullptr;
    Copy(field);
}

void TFrequencyMirror::Committed(TCSpinEdit* field)
{
    if (typed != field)
        return;
    typed = nullptr;
    Copy(field);
}

void TFrequencyMirror::CommitTyped()
{
    if (typed)
        Committed(typed);
}

void TFrequencyMirror::SetBoth(int receiveHz, int transmitHz)
{
    typed = nullptr;
    loading = true;
    receive->SetValue(receiveHz);
    transmit->SetValue(transmitHz);
    loading = false;
}
