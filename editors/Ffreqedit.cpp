#include "editors/Ffreqedit.h"

Tf_freq* f_freq = nullptr;

Tf_freq::Tf_freq(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Задание частоты"));
    setFixedSize(375, 51);
}
