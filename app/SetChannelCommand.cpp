// The set-channel command of the action row.
#include "app/Main.h"
#include "editors/Fchannels.h"
#include "editors/Frreccord.h"
#include "editors/Fsetchannel.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>

namespace {
// Gives a field another field's bounds and increment.
void CopyBounds(const TCSpinEdit* from, TCSpinEdit* to)
{
    Tfr_reccord::SetBounds(to, from->MinValue(), from->MaxValue(), from->Increment());
}
} // namespace

// Puts one channel, chosen by number, on the dialog's frequencies and
// tones. The dialog starts from row 0: its bounds (those of the current
// band), the band minimum and row 0's tones; the channel number stays the
// one used last time.
void Tf_main::fr_button2PClick(QObject*)
{
    if (StationBusy() || channelRows.isEmpty())
        return;
    Tf_setchannel* d = f_setchannel;
    const Tfr_reccord* first = channelRows.first();
    CopyBounds(first->CSpinEdit1, d->CSpinEdit1);
    d->CSpinEdit1->SetValue(first->CSpinEdit1->MinValue());
    CopyBounds(first->CSpinEdit2, d->CSpinEdit2);
    d->CSpinEdit2->SetValue(first->CSpinEdit2->MinValue());
    d->ComboBox1->setCurrentIndex(first->ComboBox1->currentIndex());
    d->ComboBox2->setCurrentIndex(first->ComboBox2->currentIndex());

    d->exec();
    if (!d->accepted)
        return;

    const int n = d->CSpinEdit3->Value();
    if (n < 0 || n >= channelRows.size())
        return;
    Tfr_reccord* row = channelRows[n];
    row->CheckBox1->setChecked(true);
    // The row's own mirroring applies while the values go in.
    CopyBounds(d->CSpinEdit1, row->CSpinEdit1);
    row->CSpinEdit1->SetValue(d->CSpinEdit1->ClampedValue());
    CopyBounds(d->CSpinEdit2, row->CSpinEdit2);
    row->CSpinEdit2->SetValue(d->CSpinEdit2->ClampedValue());
    row->ComboBox1->setCurrentIndex(d->ComboBox1->currentIndex());
    row->ComboBox2->setCurrentIndex(d->ComboBox2->currentIndex());
}
