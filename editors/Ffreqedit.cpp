#include "editors/Ffreqedit.h"
#include "document/StartDir.h"
#include "editors/FrequencyEntry.h"
#include "widgets/CSpinEdit.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

Tf_freq* f_freq = nullptr;

namespace {
// Two digits, a fixed space, three digits; unfilled positions show "_".
const QString EntryMask = QStringLiteral("99 999;_");
constexpr QChar Blank = QLatin1Char('_');
} // namespace

Tf_freq::Tf_freq(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    fr_panel1 = DialogBackground(this, tr("Задание частоты"), 375, 51, 16);

    MaskEdit1 = new QLineEdit(fr_panel1);
    MaskEdit1->setGeometry(8, 8, 115, 34);
    QFont entryFont(QStringLiteral("Arial"));
    entryFont.setPixelSize(27);
    MaskEdit1->setFont(entryFont);
    MaskEdit1->setInputMask(EntryMask);
    MaskEdit1->installEventFilter(this);

    Label1 = new QLabel(tr("кГц"), fr_panel1);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(21);
    Label1->setFont(labelFont);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->move(128, 18);
    Label1->adjustSize();

    fr_button1 = DialogButton(fr_panel1, QRect(167, 6, 100, 40), tr("Ок"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(fr_panel1, QRect(271, 6, 100, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_freq::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_freq::fr_button2PClick);
}

QString Tf_freq::EntryText() const
{
    // The display shows every position, unfilled ones as the blank sign;
    // text() would drop them.
    QString text = MaskEdit1->displayText();
    text.replace(Blank, QLatin1Char(' '));
    return text;
}

void Tf_freq::showEvent(QShowEvent* e)
{
    CentreOnScreen(this);
    FormShow();
    QDialog::showEvent(e);
}

void Tf_freq::FormShow()
{
    MaskEdit1->clear();
    MaskEdit1->setFocus();
    MaskEdit1->selectAll();
    frequencyHz = 0;
    accepted = false;
}

bool Tf_freq::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MaskEdit1 && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            MaskEdit1KeyUp(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

void Tf_freq::MaskEdit1KeyUp(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Accept();
}

void Tf_freq::Accept()
{
    accepted = true;
    frequencyHz = FrequencyEntryHz(EntryText(), frequencyStep);
    close();
}

void Tf_freq::fr_button1PClick() { Accept(); }

void Tf_freq::fr_button2PClick() { close(); }

void Tf_freq::EnterInto(TCSpinEdit* field)
{
    exec();
    if (accepted)
        field->SetValue(frequencyHz);
}
