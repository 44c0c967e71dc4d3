#include "editors/Frnoiselevels.h"
#include "editors/ArrowButtons.h"
#include "widgets/CSpinEdit.h"
#include <QLabel>
#include <QToolButton>

Tfr_noiselevel::Tfr_noiselevel(QWidget* parent)
    : QWidget(parent)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(241, 32);
    Panel1 = new QLabel(this);
    Panel1->setGeometry(0, 0, 50, 32);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAlignment(Qt::AlignCenter);
    QFont bold = f;
    bold.setBold(true);
    Panel1->setFont(bold);
    auto* frame = new QLabel(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(50, 0, 191, 32);
    Panel2 = frame;
    SpeedButton1 = FlatArrowButton(Panel2, Qt::LeftArrow, QRect(13, 2, 26, 26));
    CSpinEdit1 = new TCSpinEdit(Panel2);
    CSpinEdit1->setGeometry(39, 2, 121, 26);
    CSpinEdit1->SetMinValue(0);
    CSpinEdit1->SetMaxValue(255);
    CSpinEdit1->SetIncrement(1);
    SpeedButton2 = FlatArrowButton(Panel2, Qt::RightArrow, QRect(159, 2, 26, 26));
    connect(SpeedButton1, &QToolButton::clicked, this, &Tfr_noiselevel::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tfr_noiselevel::SpeedButton2Click);
}

// One click, one step of 1 through the field's own clamping; holding a
// button does not repeat.
void Tfr_noiselevel::SpeedButton1Click() { CSpinEdit1->SetValue(CSpinEdit1->Value() - 1); }
void Tfr_noiselevel::SpeedButton2Click() { CSpinEdit1->SetValue(CSpinEdit1->Value() + 1); }
