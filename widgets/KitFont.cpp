#include "widgets/KitFont.h"

QFont KitFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    f.setBold(false);
    f.setItalic(false);
    return f;
}
