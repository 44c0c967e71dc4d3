#include "editors/Fsetchannel.h"

Tf_setchannel* f_setchannel = nullptr;

Tf_setchannel::Tf_setchannel(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Задать канал"));
    setFixedSize(736, 104);
}
