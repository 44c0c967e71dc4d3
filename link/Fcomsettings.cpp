#include "link/Fcomsettings.h"
#include "app/StartDir.h"
#include "link/PortSurvey.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QComboBox>
#include <algorithm>
#include <QLabel>

Tf_com* f_com = nullptr;

Tf_com::Tf_com(QWidget* parent)
    : QDialog(parent)
{
    fr_panel1 = DialogBackground(this, QStringLiteral("Настройки соединения COM"), 392, 266, 16);
    CentreOnScreen(this);
    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(QStringLiteral("Порт"), fr_panel1);
    Label1->setFont(bold);
    Label1->move(16, 13);
    Label2 = new QLabel(QStringLiteral("Скорость"), fr_panel1);
    Label2->setFont(bold);
    Label2->move(16, 60);
    QFont boldItalic = bold;
    boldItalic.setItalic(true);
    Label3 = new QLabel(QStringLiteral("В списке находятся только\nустановленные в системе \nCOM порты"), fr_panel1);
    Label3->setFont(boldItalic);
    // Wide enough for its longest line in the bold italic face.
    Label3->setGeometry(105, 112, std::max(226, Label3->sizeHint().width()), 54);
    fr_combobox1 = new QComboBox(fr_panel1);
    fr_combobox1->setGeometry(104, 13, 250, 24);
    QFont small = font();
    small.setPixelSize(11);
    Label4 = new QLabel(fr_panel1);
    Label4->setFont(small);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    Label4->setGeometry(16, 166, 362, 44);
    FillPorts();
    fr_combobox2 = new QComboBox(fr_panel1);
    fr_combobox2->setGeometry(104, 60, 250, 24);
    fr_combobox2->addItems({QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200")});
    fr_combobox1->setCurrentIndex(0);
    fr_combobox2->setCurrentIndex(0);
    fr_button1 = DialogButton(this, QRect(73, 212, 150, 40), QStringLiteral("Принять"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(this, QRect(231, 212, 150, 40), QStringLiteral("Отмена"), QStringLiteral("error.bmp"));
    ShowCurrentDevice();
    connect(fr_combobox1, &QComboBox::currentIndexChanged, this, &Tf_com::ShowCurrentDevice);
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_com::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_com::fr_button2PClick);
}

// The ports are looked for once per run: a port plugged in or freed later
// shows up at the next start.
void Tf_com::FillPorts()
{
    const TPortSurvey survey = SurveyPorts();
    for (const TPortEntry& e : survey.available) {
        fr_combobox1->addItem(e.Text(), e.device);
        fr_combobox1->setItemData(fr_combobox1->count() - 1, e.device, Qt::ToolTipRole);
    }
    const QString notice = PermissionNotice(survey.refused);
    Label4->setText(notice);
    Label4->setToolTip(notice);
    Label4->setVisible(!notice.isEmpty());
}

QString Tf_com::PortDevice(int index) const
{
    return fr_combobox1->itemData(index).toString();
}

void Tf_com::ShowCurrentDevice()
{
    fr_combobox1->setToolTip(PortDevice(fr_combobox1->currentIndex()));
}

void Tf_com::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void Tf_com::FormShow()
{
    rememberedPort = fr_combobox1->currentIndex();
    rememberedSpeed = fr_combobox2->currentIndex();
}

void Tf_com::fr_button1PClick() { close(); }

void Tf_com::fr_button2PClick()
{
    fr_combobox1->setCurrentIndex(rememberedPort);
    fr_combobox2->setCurrentIndex(rememberedSpeed);
    close();
}
