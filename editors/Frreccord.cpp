#include "editors/Frreccord.h"
#include "editors/AutoRepeat.h"
#include "editors/CtcssTones.h"
#include "editors/Ffreqedit.h"
#include "editors/FrequencyMirror.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {
QLabel* BorderedBox(QWidget* parent, const QRect& geometry)
{
    auto* box = new QLabel(parent);
    box->setFrameShape(QFrame::Box);
    box->setGeometry(geometry);
    return box;
}
} // namespace

Tfr_reccord::Tfr_reccord(QWidget* parent)
    : QWidget(parent)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(722, 32);

    Panel1 = BorderedBox(this, QRect(0, 0, 50, 32));
    Panel1->setAlignment(Qt::AlignCenter);
    QFont bold = f;
    bold.setBold(true);
    Panel1->setFont(bold);
    Panel2 = BorderedBox(this, QRect(50, 0, 672, 32));

    CheckBox1 = new QCheckBox(tr("Вкл"), Panel2);
    CheckBox1->setGeometry(4, 7, 49, 17);
    SpeedButton1 = FlatArrowButton(Panel2, Qt::LeftArrow, QRect(53, 2, 26, 26));
    CSpinEdit1 = new TCSpinEdit(Panel2);
    CSpinEdit1->setGeometry(79, 2, 121, 26);
    SpeedButton2 = FlatArrowButton(Panel2, Qt::RightArrow, QRect(199, 2, 26, 26));
    SpeedButton3 = FlatArrowButton(Panel2, Qt::LeftArrow, QRect(234, 2, 26, 26));
    CSpinEdit2 = new TCSpinEdit(Panel2);
    CSpinEdit2->setGeometry(259, 2, 121, 26);
    SpeedButton4 = FlatArrowButton(Panel2, Qt::RightArrow, QRect(380, 2, 26, 26));
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setGeometry(419, 2, 120, 24);
    ComboBox2 = new QComboBox(Panel2);
    ComboBox2->setGeometry(547, 2, 120, 24);
    Timer1 = new QTimer(this);

    commonFrequency = true;
    const QStringList tones = ToneListItems();
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->clear();
        box->addItems(tones);
        box->setCurrentIndex(0);
    }

    repeat = new TAutoRepeat(Timer1, CSpinEdit1, CSpinEdit2);
    mirror = new TFrequencyMirror(CSpinEdit1, CSpinEdit2, [this] { return commonFrequency; }, this);

    connect(CheckBox1, &QCheckBox::toggled, this, &Tfr_reccord::CheckBox1Click);
    connect(CSpinEdit1, &TCSpinEdit::Change, this, &Tfr_reccord::CSpinEdit1Change);
    connect(CSpinEdit2, &TCSpinEdit::Change, this, &Tfr_reccord::CSpinEdit2Change);
    connect(CSpinEdit1, &TCSpinEdit::Click, this, &Tfr_reccord::CSpinEdit1Click);
    connect(CSpinEdit2, &TCSpinEdit::Click, this, &Tfr_reccord::CSpinEdit2Click);
    WireArrowButtons(this);
    CheckBox1Click();
}

Tfr_reccord::~Tfr_reccord() { delete repeat; }

void Tfr_reccord::CheckBox1Click()
{
    const bool on = CheckBox1->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, CSpinEdit1, SpeedButton2, SpeedButton3,
                                                      CSpinEdit2, SpeedButton4, ComboBox1, ComboBox2})
        w->setEnabled(on);
}

void Tfr_reccord::CSpinEdit1Change() { mirror->FieldChanged(CSpinEdit1); }
void Tfr_reccord::CSpinEdit2Change() { mirror->FieldChanged(CSpinEdit2); }

void Tfr_reccord::CSpinEdit1Click()
{
    if (f_freq)
        f_freq->EnterInto(CSpinEdit1);
}

void Tfr_reccord::CSpinEdit2Click()
{
    if (f_freq)
        f_freq->EnterInto(CSpinEdit2);
}

void Tfr_reccord::SpeedButton1MouseDown() { repeat->Press(TAutoRepeat::ReceiveDown); }
void Tfr_reccord::SpeedButton2MouseDown() { repeat->Press(TAutoRepeat::ReceiveUp); }
void Tfr_reccord::SpeedButton3MouseDown() { repeat->Press(TAutoRepeat::TransmitDown); }
void Tfr_reccord::SpeedButton4MouseDown() { repeat->Press(TAutoRepeat::TransmitUp); }
void Tfr_reccord::SpeedButton1MouseUp() { repeat->Release(); }
void Tfr_reccord::SpeedButton2MouseUp() { repeat->Release(); }
void Tfr_reccord::SpeedButton3MouseUp() { repeat->Release(); }
void Tfr_reccord::SpeedButton4MouseUp() { repeat->Release(); }
void Tfr_reccord::Timer1Timer() { repeat->Tick(); }

void Tfr_reccord::LoadFrequencies(int rxHz, int txHz) { mirror->SetBoth(rxHz, txHz); }

void Tfr_reccord::CommitTypedFrequency() { mirror->CommitTyped(); }

void Tfr_reccord::SetBounds(TCSpinEdit* field, int min, int max, int step)
{
    field->SetMinValue(min);
    field->SetMaxValue(max);
    field->SetIncrement(step);
}
