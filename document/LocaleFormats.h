#pragma once
#include <QDate>
#include <QString>
#include <QTime>

// The time in the system's long time format (hours, minutes, seconds),
// without the time zone that Qt's long format appends.
QString LongTimeText(const QTime& time);

// The date in the system's short date format.
QString ShortDateText(const QDate& date);
