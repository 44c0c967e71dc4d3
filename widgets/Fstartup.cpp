#include "widgets/Fstartup.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include "widgets/KitLabels.h"
#include <QLabel>

Tf_startup* f_startup = nullptr;

Tf_startup::Tf_startup(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("Загрузка"));
    setFixedSize(392, 266);
    move(461, 358);

    fr_panel1 = new Tfr_panel(this);
    fr_panel1->setGeometry(0, 0, 392, 266);
    fr_progress1 = new Tfr_progress(this);
    fr_progress1->setGeometry(48, 143, 300, 30);

    fr_panel1->SetCaption(QString());
    Image1 = LogoImage(fr_panel1);
    Label1 = PanelLabel(fr_panel1, tr("Программатор\nстанции Tarnik"),
                        QRect(152, 16, 199, 64), 27, LabelBold);
    Label2 = PanelLabel(fr_panel1, tr("Версия 1.1"), QRect(16, 232, 85, 19), 16, LabelBold);
}
