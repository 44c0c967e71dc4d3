#include "widgets/Fstartup.h"
#include "app/StartDir.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include "widgets/LogoPicture.h"
#include <QLabel>

Tf_startup* f_startup = nullptr;

Tf_startup::Tf_startup(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
{
    setWindowTitle(QStringLiteral("Загрузка"));
    setFixedSize(392, 266);
    move(461, 358);
    fr_panel1 = new Tfr_panel(this);
    fr_panel1->setGeometry(0, 0, 392, 266);
    fr_panel1->SetCaption(QString());
    Image1 = new QLabel(fr_panel1);
    Image1->setGeometry(15, 17, 105, 105);
    Image1->setPixmap(LoadLogo());
    Label1 = new QLabel(QStringLiteral("Программатор\nстанции Tarnik"), fr_panel1);
    Label1->setGeometry(152, 16, 199, 64);
    Label2 = new QLabel(QStringLiteral("Версия 1.1"), fr_panel1);
    Label2->setGeometry(16, 232, 85, 19);
    fr_progress1 = new Tfr_progress(this);
    fr_progress1->setGeometry(48, 143, 300, 30);
}
