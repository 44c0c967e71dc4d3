#include "editors/Fconfig.h"
#include "document/StartDir.h"
#include "editors/Fchannels.h"
#include "editors/Frreccord.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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
    Label1 = new QLabel(tr("Язык"), fr_panel1);
    Label1->setGeometry(16, 94, 90, 22);
    ComboBox1 = new QComboBox(fr_panel1);
    ComboBox1->setGeometry(112, 92, 185, 26);
    // The languages are named in their own language, whatever the program
    // speaks now, so that a user who cannot read it finds their own.
    ComboBox1->addItem(tr("как в системе"), QString());
    ComboBox1->addItem(QStringLiteral("Русский"), QStringLiteral("ru"));
    ComboBox1->addItem(QStringLiteral("English"), QStringLiteral("en"));
    Label2 = new QLabel(tr("Язык сменится при следующем запуске программы."), fr_panel1);
    Label2->setGeometry(16, 126, 360, 44);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fr_button1 = DialogButton(this, QRect(72, 208, 150, 40), tr("Принять"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(this, QRect(232, 208, 150, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_config::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_config::fr_button2PClick);
}

void Tf_config::showEvent(QShowEvent* e)
{
    shownLanguage = ComboBox1->currentIndex();
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
// stored when the program ends. The language goes back to what it was.
void Tf_config::fr_button2PClick()
{
    ComboBox1->setCurrentIndex(shownLanguage);
    close();
}

QString Tf_config::Language() const { return ComboBox1->currentData().toString(); }

void Tf_config::SetLanguage(const QString& setting)
{
    const int i = ComboBox1->findData(setting);
    ComboBox1->setCurrentIndex(i > 0 ? i : 0);
}
