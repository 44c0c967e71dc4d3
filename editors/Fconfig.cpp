#include "editors/Fconfig.h"
#include "document/StartDir.h"
#include "editors/Fchannels.h"
#include "editors/Frreccord.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

Tf_config* f_config = nullptr;

Tf_config::Tf_config(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    fr_panel1 = DialogBackground(this, tr("Настройки приложения"), 392, 266, 16);
    CheckBox1 = new QCheckBox(tr("Общая частота приема и передачи"), fr_panel1);
    CheckBox1->setGeometry(16, 24, 281, 20);
    CheckBox1->setToolTip(tr("Установка данного флага позволяет\n"
                                         "использовать единую частоту как на\n"
                                         "прием так и на передачу, при смене \n"
                                         "одной будет изменятся и вторая"));
    // Safe write: on until the catalogue says otherwise.
    CheckBox2 = new QCheckBox(tr("Безопасная запись"), fr_panel1);
    CheckBox2->setGeometry(16, 56, 281, 20);
    CheckBox2->setChecked(true);
    CheckBox2->setToolTip(tr("Перед записью станция читается и сохраняется резервная копия,\n"
                                         "записываются только изменённые байты, затем запись проверяется"));
    fr_button1 = DialogButton(this, QRect(72, 208, 150, 40), tr("Принять"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(this, QRect(232, 208, 150, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_config::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_config::fr_button2PClick);
}

void Tf_config::showEvent(QShowEvent* e)
{
    CentreOnScreen(this);
    QDialog::showEvent(e);
}

// The rows take the option; the set-channel dialog follows the check box
// itself.
void Tf_config::fr_button1PClick()
{
    for (Tfr_reccord* row : channelRows)
        row->commonFrequency = CheckBox1->isChecked();
    close();
}

// Closes without touching the rows. The check box keeps the state the user
// left it in: that is what the set-channel dialog follows and what is
// stored when the program ends.
void Tf_config::fr_button2PClick() { close(); }
