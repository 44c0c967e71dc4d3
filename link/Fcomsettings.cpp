#include "link/Fcomsettings.h"
#include "document/StartDir.h"
#include "link/PortNotices.h"
#include "link/PortSurvey.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <limits>

Tf_com* f_com = nullptr;

namespace {

constexpr int Width = 392;
constexpr int Height = 266;
// The notice's place between the hint and the buttons; a longer notice
// makes the window taller and moves the buttons down.
constexpr int NoticeTop = 166;
constexpr int NoticeHeight = 44;
constexpr int ButtonsTop = 212;

QString ListedPort(const QComboBox* box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

// Marks an entry as a chosen port the survey did not find.
constexpr int UnavailableRole = Qt::UserRole + 1;

// The COM number of an entry text, for the order of the list; device paths
// go last.
int EntryNumber(const QString& text)
{
    bool ok = false;
    const int n = text.mid(3).toInt(&ok);
    return ok ? n : std::numeric_limits<int>::max();
}

} // namespace

Tf_com::Tf_com(QWidget* parent)
    : QDialog(parent)
{
    fr_panel1 = DialogBackground(this, tr("Настройки соединения COM"), Width, Height, 16);
    CentreOnScreen(this);
    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(tr("Порт"), fr_panel1);
    Label1->setFont(bold);
    Label1->move(16, 13);
    Label2 = new QLabel(tr("Скорость"), fr_panel1);
    Label2->setFont(bold);
    Label2->move(16, 60);
    QFont boldItalic = bold;
    boldItalic.setItalic(true);
    Label3 = new QLabel(tr("В списке находятся только\nустановленные в системе \nCOM порты"), fr_panel1);
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
    // The udev rule of a notice is there to be copied.
    Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label4->setGeometry(16, NoticeTop, Width - 30, NoticeHeight);
    fr_combobox2 = new QComboBox(fr_panel1);
    fr_combobox2->setGeometry(104, 60, 250, 24);
    fr_combobox2->addItems({QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200")});
    fr_combobox2->setCurrentIndex(0);
    fr_button1 = DialogButton(this, QRect(73, ButtonsTop, 150, 40), tr("Принять"), QStringLiteral("ok.bmp"));
    fr_button2 = DialogButton(this, QRect(231, ButtonsTop, 150, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    RefreshPorts();
    fr_combobox1->setCurrentIndex(0);
    ShowCurrentDevice();
    connect(fr_combobox1, &QComboBox::currentIndexChanged, this, &Tf_com::ShowCurrentDevice);
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_com::fr_button1PClick);
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_com::fr_button2PClick);
}

void Tf_com::RefreshPorts()
{
    ShowSurvey(SurveyPorts());
}

void Tf_com::ShowSurvey(const TPortSurvey& survey)
{
    const QString selected = ListedPort(fr_combobox1);
    const QSignalBlocker quiet(fr_combobox1);
    fr_combobox1->clear();
    for (const TPortEntry& e : survey.Available()) {
        fr_combobox1->addItem(e.Text(), e.device);
        fr_combobox1->setItemData(fr_combobox1->count() - 1, e.ToolTip(), Qt::ToolTipRole);
    }
    if (!selected.isEmpty())
        SelectPort(selected);
    else
        fr_combobox1->setCurrentIndex(fr_combobox1->count() > 0 ? 0 : -1);
    surveyNotice = SurveyNotice(survey);
    ShowCurrentDevice();
}

void Tf_com::SelectPort(const QString& portText)
{
    const QSignalBlocker quiet(fr_combobox1);
    int at = fr_combobox1->findText(portText);
    if (at < 0) {
        at = 0;
        while (at < fr_combobox1->count() && EntryNumber(fr_combobox1->itemText(at)) < EntryNumber(portText))
            ++at;
        const QString device = PortLabel(portText);
        fr_combobox1->insertItem(at, portText, portText.startsWith(QLatin1Char('/')) ? portText : QString());
        fr_combobox1->setItemData(at, true, UnavailableRole);
        fr_combobox1->setItemData(at, QColor(128, 128, 128), Qt::ForegroundRole);
        fr_combobox1->setItemData(at, tr("%1 сейчас не найден в системе").arg(device), Qt::ToolTipRole);
    }
    fr_combobox1->setCurrentIndex(at);
    ShowCurrentDevice();
}

void Tf_com::ChoosePort(const QString& portText)
{
    SelectPort(portText);
    FormShow();
}

bool Tf_com::PortUnavailable(int index) const
{
    return fr_combobox1->itemData(index, UnavailableRole).toBool();
}

void Tf_com::ShowNotice(const QString& text)
{
    Label4->setText(text);
    Label4->setToolTip(text);
    Label4->setVisible(!text.isEmpty());
    const int needed = text.isEmpty() ? NoticeHeight : std::max(NoticeHeight, Label4->heightForWidth(Label4->width()));
    Label4->resize(Label4->width(), needed);
    const int extra = needed - NoticeHeight;
    setFixedSize(Width, Height + extra);
    fr_panel1->setGeometry(0, 0, Width, Height + extra);
    fr_button1->move(fr_button1->x(), ButtonsTop + extra);
    fr_button2->move(fr_button2->x(), ButtonsTop + extra);
}

QString Tf_com::PortDevice(int index) const
{
    return fr_combobox1->itemData(index).toString();
}

QString Tf_com::PortToolTip(int index) const
{
    return fr_combobox1->itemData(index, Qt::ToolTipRole).toString();
}

void Tf_com::ShowCurrentDevice()
{
    fr_combobox1->setToolTip(PortToolTip(fr_combobox1->currentIndex()));
    QStringList paragraphs;
    const int current = fr_combobox1->currentIndex();
    const QString unavailable = current >= 0 && PortUnavailable(current) ? fr_combobox1->itemText(current) : QString();
    for (const QString& p : {VanishedNotice(unavailable), surveyNotice}) {
        if (!p.isEmpty())
            paragraphs << p;
    }
    ShowNotice(paragraphs.join(QLatin1Char('\n')));
}

void Tf_com::showEvent(QShowEvent* e)
{
    RefreshPorts();
    QDialog::showEvent(e);
    FormShow();
}

void Tf_com::hideEvent(QHideEvent* e)
{
    ShowCurrentDevice();
    QDialog::hideEvent(e);
}

void Tf_com::FormShow()
{
    rememberedPort = ListedPort(fr_combobox1);
    rememberedSpeed = fr_combobox2->currentIndex();
}

void Tf_com::fr_button1PClick() { close(); }

void Tf_com::fr_button2PClick()
{
    // The port by its name: the list may have changed under the position.
    if (!rememberedPort.isEmpty())
        SelectPort(rememberedPort);
    else
        fr_combobox1->setCurrentIndex(-1);
    fr_combobox2->setCurrentIndex(rememberedSpeed);
    close();
}
