#include "report/Fprint.h"

Tf_print* f_print = nullptr;

Tf_print::Tf_print(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Отчет"));
}
