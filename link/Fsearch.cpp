#include "link/Fsearch.h"

Tf_search* f_search = nullptr;

Tf_search::Tf_search(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Поиск станции"));
    setFixedSize(392, 266);
}
