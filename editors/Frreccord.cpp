#include "editors/Frreccord.h"
#include "editors/CtcssTones.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {
QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, int x)
{
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 2, 26, 26);
    return b;
}
} // namespace

Tfr_reccord::Tfr_reccord(QWidget* parent)
    : QWidget(parent)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    resize(722, 32);

    Panel1 = new QLabel(this);
    Panel1->setGeometry(0, 0, 50, 32);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAlignment(Qt::AlignCenter);
    QFont bold = f;
    bold.setBold(true);
    Panel1->setFont(bold);

    auto* frame = new QLabel(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(50, 0, 672, 32);
    Panel2 = frame;

    CheckBox1 = new QCheckBox(QStringLiteral("Вкл"), Panel2);
    CheckBox1->setGeometry(4, 7, 49, 17);
    SpeedButton1 = ArrowButton(Panel2, Qt::LeftArrow, 53);
    CSpinEdit1 = new TCSpinEdit(Panel2);
    CSpinEdit1->setGeometry(79, 2, 121, 26);
    SpeedButton2 = ArrowButton(Panel2, Qt::RightArrow, 199);
    SpeedButton3 = ArrowButton(Panel2, Qt::LeftArrow, 234);
    CSpinEdit2 = new TCSpinEdit(Panel2);
    CSpinEdit2->setGeometry(259, 2, 121, 26);
    SpeedButton4 = ArrowButton(Panel2, Qt::RightArrow, 380);
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setGeometry(419, 2, 120, 24);
    ComboBox2 = new QComboBox(Panel2);
    ComboBox2->setGeometry(547, 2, 120, 24);
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->addItems(ToneListItems());
        box->setCurrentIndex(0);
    }

    connect(CheckBox1, &QCheckBox::toggled, this, &Tfr_reccord::CheckBox1Click);
    connect(CSpinEdit1, &TCSpinEdit::Change, this, &Tfr_reccord::CSpinEdit1Change);
    connect(CSpinEdit2, &TCSpinEdit::Change, this, &Tfr_reccord::CSpinEdit2Change);
    connect(SpeedButton1, &QToolButton::pressed, CSpinEdit1, &TCSpinEdit::StepDown);
    connect(SpeedButton2, &QToolButton::pressed, CSpinEdit1, &TCSpinEdit::StepUp);
    connect(SpeedButton3, &QToolButton::pressed, CSpinEdit2, &TCSpinEdit::StepDown);
    connect(SpeedButton4, &QToolButton::pressed, CSpinEdit2, &TCSpinEdit::StepUp);
    CheckBox1Click();
}

void Tfr_reccord::CheckBox1Click()
{
    const bool on = CheckBox1->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, CSpinEdit1, SpeedButton2, SpeedButton3,
                                                      CSpinEdit2, SpeedButton4, ComboBox1, ComboBox2})
        w->setEnabled(on);
}

void Tfr_reccord::Mirror(TCSpinEdit* from, TCSpinEdit* to)
{
    if (!commonFrequency || mirroring)
        return;
    to->SetValue(from->Value());
}

void Tfr_reccord::CSpinEdit1Change() { Mirror(CSpinEdit1, CSpinEdit2); }
void Tfr_reccord::CSpinEdit2Change() { Mirror(CSpinEdit2, CSpinEdit1); }

void Tfr_reccord::LoadFrequencies(int rxHz, int txHz)
{
    mirroring = true;
    CSpinEdit1->SetValue(rxHz);
    CSpinEdit2->SetValue(txHz);
    mirroring = false;
}

void Tfr_reccord::SetBounds(TCSpinEdit* field, int min, int max, int step)
{
    field->SetMinValue(min);
    field->SetMaxValue(max);
    field->SetIncrement(step);
}
