#include "editors/Fsetchannel.h"
#include "document/StartDir.h"
#include "editors/AutoRepeat.h"
#include "editors/CtcssTones.h"
#include "editors/Fconfig.h"
#include "editors/Ffreqedit.h"
#include "editors/Fchannels.h"
#include "editors/FrequencyMirror.h"
#include "widgets/CSpinEdit.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

Tf_setchannel* f_setchannel = nullptr;

namespace {
QLabel* Caption(QWidget* parent, const QString& text, int x)
{
    auto* label = new QLabel(text, parent);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    label->setFont(f);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(x, 8);
    label->adjustSize();
    return label;
}
} // namespace

Tf_setchannel::Tf_setchannel(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    fr_panel1 = DialogBackground(this, tr("Задать канал"), 736, 104, 16);

    Label1 = Caption(fr_panel1, tr("№ канала"), 0);
    Label2 = Caption(fr_panel1, tr("RX(Гц)"), 120);
    Label3 = Caption(fr_panel1, tr("TX(Гц)"), 296);
    Label4 = Caption(fr_panel1, QStringLiteral("CTCSS(RX)"), 453);
    Label5 = Caption(fr_panel1, QStringLiteral("CTCSS(TX)"), 612);

    CSpinEdit3 = new TCSpinEdit(fr_panel1);
    CSpinEdit3->setGeometry(8, 24, 50, 28);
    CSpinEdit3->SetMinValue(0);
    CSpinEdit3->SetMaxValue(ChannelCount - 1);
    SpeedButton1 = FlatArrowButton(fr_panel1, Qt::LeftArrow, QRect(63, 24, 28, 28));
    CSpinEdit1 = new TCSpinEdit(fr_panel1);
    CSpinEdit1->setGeometry(88, 24, 120, 28);
    SpeedButton2 = FlatArrowButton(fr_panel1, Qt::RightArrow, QRect(209, 24, 28, 28));
    SpeedButton3 = FlatArrowButton(fr_panel1, Qt::LeftArrow, QRect(244, 24, 28, 28));
    CSpinEdit2 = new TCSpinEdit(fr_panel1);
    CSpinEdit2->setGeometry(272, 24, 120, 28);
    SpeedButton4 = FlatArrowButton(fr_panel1, Qt::RightArrow, QRect(390, 24, 28, 28));
    // The arrows stand between the fields; keep them above the fields'
    // edges where the two overlap by a pixel or two.
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        b->raise();
    ComboBox1 = new QComboBox(fr_panel1);
    ComboBox1->setGeometry(424, 24, 145, 26);
    ComboBox2 = new QComboBox(fr_panel1);
    ComboBox2->setGeometry(584, 24, 145, 26);
    const QStringList tones = ToneListItems();
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->addItems(tones);
        box->setCurrentIndex(0);
    }
    fr_button1 = DialogButton(fr_panel1, QRect(480, 54, 120, 40), tr("Ок"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(fr_panel1, QRect(608, 54, 120, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    Timer1 = new QTimer(this);

    repeat = new TAutoRepeat(Timer1, CSpinEdit1, CSpinEdit2);
    // The dialog follows the options dialog's check box itself, not a row's
    // flag.
    mirror = new TFrequencyMirror(
        CSpinEdit1, CSpinEdit2, [] { return f_config && f_config->CheckBox1->isChecked(); }, this);

    connect(fr_button1, &Tfr_button::clicked, this, &Tf_setchannel::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_setchannel::fr_button2PClick);
    connect(CSpinEdit1, &TCSpinEdit::Change, this, &Tf_setchannel::CSpinEdit1Change);
    connect(CSpinEdit2, &TCSpinEdit::Change, this, &Tf_setchannel::CSpinEdit2Change);
    connect(CSpinEdit1, &TCSpinEdit::Click, this, &Tf_setchannel::CSpinEdit1Click);
    connect(CSpinEdit2, &TCSpinEdit::Click, this, &Tf_setchannel::CSpinEdit2Click);
    WireArrowButtons(this);
}

Tf_setchannel::~Tf_setchannel() { delete repeat; }

void Tf_setchannel::showEvent(QShowEvent* e)
{
    CentreOnScreen(this);
    FormShow();
    QDialog::showEvent(e);
}

void Tf_setchannel::FormShow() { accepted = false; }

void Tf_setchannel::fr_button1PClick()
{
    // The number is taken as typed: one outside 0..99, above or below, names
    // no channel, and "Ок" then applies nothing, like "Отмена".
    const int channel = CSpinEdit3->Value();
    accepted = channel >= CSpinEdit3->MinValue() && channel <= CSpinEdit3->MaxValue();
    close();
}

void Tf_setchannel::fr_button2PClick() { close(); }

void Tf_setchannel::CSpinEdit1Change() { mirror->FieldChanged(CSpinEdit1); }
void Tf_setchannel::CSpinEdit2Change() { mirror->FieldChanged(CSpinEdit2); }

void Tf_setchannel::CSpinEdit1Click()
{
    if (f_freq)
        f_freq->EnterInto(CSpinEdit1);
}

void Tf_setchannel::CSpinEdit2Click()
{
    if (f_freq)
        f_freq->EnterInto(CSpinEdit2);
}

void Tf_setchannel::SpeedButton1MouseDown() { repeat->Press(TAutoRepeat::ReceiveDown); }
void Tf_setchannel::SpeedButton2MouseDown() { repeat->Press(TAutoRepeat::ReceiveUp); }
void Tf_setchannel::SpeedButton3MouseDown() { repeat->Press(TAutoRepeat::TransmitDown); }
void Tf_setchannel::SpeedButton4MouseDown() { repeat->Press(TAutoRepeat::TransmitUp); }
void Tf_setchannel::SpeedButton1MouseUp() { repeat->Release(); }
void Tf_setchannel::SpeedButton2MouseUp() { repeat->Release(); }
void Tf_setchannel::SpeedButton3MouseUp() { repeat->Release(); }
void Tf_setchannel::SpeedButton4MouseUp() { repeat->Release(); }
void Tf_setchannel::Timer1Timer() { repeat->Tick(); }
