#include "widgets/Fabout.h"
#include "document/StartDir.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include "widgets/KitLabels.h"
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

Tf_about* f_about = nullptr;

Tf_about::Tf_about(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("О программе"));
    setFixedSize(392, 266);
    // Centred on the screen, not over the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    fr_panel1 = new Tfr_panel(this);
    fr_panel1->setGeometry(0, 0, 392, 266);
    fr_button1 = new Tfr_button(this);
    fr_button1->setGeometry(125, 216, 150, 40);

    fr_panel1->SetCaption(QString());
    Image1 = LogoImage(fr_panel1);
    Label1 = PanelLabel(fr_panel1, tr("Программатор\nстанции Tarnik"),
                        QRect(160, 16, 199, 64), 27, LabelBold);
    Label4 = PanelLabel(fr_panel1,
                        tr("Программа настройки\nрадиостанций Tarnik.\n"
                                       "Разработка: группа\nпроекта Tarnik, 2024 г."),
                        QRect(158, 88, 216, 76), 16, LabelItalic);

    fr_button1->SetCaption(tr("Закрыть"));
    fr_button1->SetPicture(StartPath(QStringLiteral("Source/ok.bmp")));
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_about::fr_button1PClick);
}

void Tf_about::fr_button1PClick() { close(); }
