#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

namespace qor {

// Which comes first in a numeric date that could be read either way, such as "1/5/2026".
enum class DayMonthOrder { DayFirst, MonthFirst };

// The dates and times of score lines, written in the format of the language of the computer the
// quiz was taken on ("07/12/2026", "2 Feb 2026", "08.12.26"; "10:15:30 AM", "14:05:09"), read
// back as calendar dates and times of day.
class QuizDateTime {
public:
    // The order for the numeric dates of a class: what its dates show wherever one of the first
    // two numbers is above 12; when none does, the order of `locale`'s short date format.
    static DayMonthOrder orderOf(const QStringList& dates, const QLocale& locale = QLocale());

    static QDate date(const QString& text, DayMonthOrder order);
    static QTime time(const QString& text);

    // "2026-02-02T14:05:09" (ISO 8601, local time), "2026-02-02" when the time is not known, or
    // an empty text when the date is not.
    static QString iso(const QString& date, const QString& time, DayMonthOrder order);
    static QString iso(const QDate& date, const QString& time);
};

} // namespace qor
