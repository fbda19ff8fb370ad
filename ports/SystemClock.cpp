#include "SystemClock.h"

#include <QDateTime>
#include <QLocale>

QString SystemClock::shortDate() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString SystemClock::longTime() const {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat);
}
