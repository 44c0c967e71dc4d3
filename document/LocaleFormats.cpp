#include "document/LocaleFormats.h"
#include <QLocale>

QString LongTimeText(const QTime& time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed());
}

QString ShortDateText(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}
