#include "app/JournalIcons.h"
#include <QPainter>

QList<QPixmap> JournalIcons()
{
    static const QColor colours[9] = {Qt::yellow, Qt::gray, QColor(200, 160, 60), Qt::blue, Qt::darkBlue,
                                      Qt::green, Qt::red, Qt::darkGray, QColor(255, 140, 0)};
    QList<QPixmap> icons;
    for (const QColor& c : colours) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setBrush(c);
        p.drawEllipse(2, 2, 12, 12);
        icons << pm;
    }
    return icons;
}
