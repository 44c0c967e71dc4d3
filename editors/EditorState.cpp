#include "editors/EditorState.h"
#include "document/Convert.h"
#include "editors/Fchannels.h"
#include "editors/Frnoiselevels.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

namespace {
int ShownValue(const TCSpinEdit* field)
{
    int v = 0;
    return TryStrToInt(field->Text(), v) ? v : field->MinValue();
}

std::array<int, 3> Bounds(const TCSpinEdit* field)
{
    return {field->MinValue(), field->MaxValue(), field->Increment()};
}

QList<QCheckBox*> Flags()
{
    return {f_settings->CheckBox1, f_settings->CheckBox2, f_settings->CheckBox3, f_settings->CheckBox4,
            f_settings->CheckBox5, f_settings->CheckBox6, f_settings->CheckBox7};
}
} // namespace

bool TRowState::operator==(const TRowState& o) const
{
    return values == o.values && rxBounds == o.rxBounds && txBounds == o.txBounds;
}

bool TEditorState::operator==(const TEditorState& o) const
{
    return lists == o.lists && flags == o.flags && timeout == o.timeout && pwmPower == o.pwmPower
        && noiseLevels == o.noiseLevels && step == o.step && bandShown == o.bandShown && rows == o.rows;
}

TEditorState CaptureEditors()
{
    TEditorState s;
    const QList<QComboBox*> lists = f_settings->Lists();
    for (int i = 0; i < lists.size(); ++i)
        s.lists[i] = lists[i]->currentIndex();
    const QList<QCheckBox*> flags = Flags();
    for (int i = 0; i < flags.size(); ++i)
        s.flags[i] = flags[i]->isChecked();
    s.timeout = f_settings->TrackBar1->value();
    s.pwmPower = f_settings->TrackBar2->value();
    for (int i = 0; i < 10; ++i)
        s.noiseLevels[i] = ShownValue(f_settings->noiseLevelRows[i]->CSpinEdit1);
    s.step = frequencyStep;
    s.bandShown = f_settings->bandShown;
    for (const Tfr_reccord* row : channelRows) {
        TRowState r;
        r.values.enable = row->CheckBox1->isChecked();
        r.values.rxHz = ShownValue(row->CSpinEdit1);
        r.values.txHz = ShownValue(row->CSpinEdit2);
        r.values.ctcssRx = row->ComboBox1->currentIndex();
        r.values.ctcssTx = row->ComboBox2->currentIndex();
        r.rxBounds = Bounds(row->CSpinEdit1);
        r.txBounds = Bounds(row->CSpinEdit2);
        s.rows << r;
    }
    return s;
}

void RestoreEditors(const TEditorState& s)
{
    const QList<QComboBox*> lists = f_settings->Lists();
    for (int i = 0; i < lists.size(); ++i)
        lists[i]->setCurrentIndex(s.lists[i]);
    const QList<QCheckBox*> flags = Flags();
    for (int i = 0; i < flags.size(); ++i)
        flags[i]->setChecked(s.flags[i]);
    f_settings->TrackBar1->setValue(s.timeout);
    f_settings->TrackBar2->setValue(s.pwmPower);
    f_settings->TrackBar1Change();
    f_settings->TrackBar2Change();
    for (int i = 0; i < 10; ++i)
        f_settings->noiseLevelRows[i]->CSpinEdit1->SetValue(s.noiseLevels[i]);
    frequencyStep = s.step;
    f_settings->bandShown = s.bandShown;
    for (int i = 0; i < s.rows.size() && i < channelRows.size(); ++i) {
        const TRowState& r = s.rows[i];
        Tfr_reccord* row = channelRows[i];
        Tfr_reccord::SetBounds(row->CSpinEdit1, r.rxBounds[0], r.rxBounds[1], r.rxBounds[2]);
        Tfr_reccord::SetBounds(row->CSpinEdit2, r.txBounds[0], r.txBounds[1], r.txBounds[2]);
        row->CheckBox1->setChecked(r.values.enable);
        row->LoadFrequencies(r.values.rxHz, r.values.txHz);
        row->ComboBox1->setCurrentIndex(r.values.ctcssRx);
        row->ComboBox2->setCurrentIndex(r.values.ctcssTx);
    }
}

QVector<TProgrammerChannel> ChannelValues(const TEditorState& state)
{
    QVector<TProgrammerChannel> channels;
    for (const TRowState& r : state.rows)
        channels << r.values;
    return channels;
}

void SetChannelValues(TEditorState& state, const QVector<TProgrammerChannel>& channels)
{
    for (int i = 0; i < state.rows.size() && i < channels.size(); ++i)
        state.rows[i].values = channels[i];
}
