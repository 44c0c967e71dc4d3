#include "widgets/Fabout.h"
#include "app/StartDir.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include "widgets/LogoPicture.h"
#include <QLabel>

Tf_about* f_about = nullptr;

Tf_about::Tf_about(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(392, 266);
    fr_panel1 = new Tfr_panel(this);
    fr_panel1->setGeometry(0, 0, 392, 266);
    fr_panel1->SetCaption(QString());
    Image1 = new QLabel(fr_panel1);
    Image1->setGeometry(15, 17, 105, 105);
    Image1->setPixmap(LoadLogo());
    Label1 = new QLabel(QStringLiteral("Программатор\nстанции Tarnik"), fr_panel1);
    Label1->setGeometry(160, 16, 199, 64);
    Label4 = new QLabel(fr_panel1);
    Label4->setGeometry(158, 88, 216, 76);
    fr_button1 = new Tfr_button(this);
    fr_button1->setGeometry(125, 216, 150, 40);
    fr_button1->SetCaption(QStringLiteral("Закрыть"));
    fr_button1->SetPicture(StartPath(QStringLiteral("Source/ok.bmp")));
    connect(fr_button1, &Tfr_button::clicked, this, &Tf_about::fr_button1PClick);
}

void Tf_about::fr_button1PClick() { close(); }
