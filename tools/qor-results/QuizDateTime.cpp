#include "QuizDateTime.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <optional>

namespace qor {

namespace {

// A date's pieces: its numbers and its words, in order, and what stands between the numbers.
struct DateParts {
    QList<QString> numbers;
    QStringList words;
    QChar separator; // the first character after the first number
};

DateParts partsOf(const QString& text) {
    DateParts parts;
    for (qsizetype i = 0; i < text.size();) {
        const bool digit = text.at(i).isDigit();
        if (!digit && !text.at(i).isLetter()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && (digit ? text.at(end).isDigit() : text.at(end).isLetter()))
            ++end;
        if (!digit) {
            parts.words << text.mid(i, end - i);
        } else {
            if (parts.numbers.isEmpty() && end < text.size())
                parts.separator = text.at(end);
            parts.numbers << text.mid(i, end - i);
        }
        i = end;
    }
    return parts;
}

int fullYear(const QString& digits) {
    const int year = digits.toInt();
    return digits.size() <= 2 ? 2000 + year : year;
}

// The months by their names, long and short, in English and in the language of the computer,
// in lower case and without a full stop.
QHash<QString, int> monthsByName() {
    QHash<QString, int> months;
    for (const QLocale& locale : {QLocale(QLocale::English), QLocale()}) {
        for (int month = 1; month <= 12; ++month) {
            for (const QString& name : {locale.monthName(month, QLocale::LongFormat),
                                        locale.monthName(month, QLocale::ShortFormat),
                                        locale.standaloneMonthName(month, QLocale::LongFormat),
                                        locale.standaloneMonthName(month, QLocale::ShortFormat)}) {
                const QString bare = name.toLower().remove(QLatin1Char('.'));
                if (!bare.isEmpty() && !months.contains(bare))
                    months.insert(bare, month);
            }
        }
    }
    return months;
}

// The month a word names: 1 to 12, or 0.
int monthNamed(const QString& word) {
    static const QHash<QString, int> months = monthsByName();
    return months.value(word.toLower(), 0);
}

// "2 Feb 2026", "February 2, 2026", "Monday, 2 February 2026", "2. Februar 2026".
QDate dateWithMonthName(const DateParts& parts) {
    int month = 0;
    for (const QString& word : parts.words) {
        if ((month = monthNamed(word)) != 0)
            break;
    }
    if (month == 0 || parts.numbers.size() != 2)
        return {};
    const bool yearFirst = parts.numbers[0].size() == 4;
    const QString& day = parts.numbers[yearFirst ? 1 : 0];
    const QString& year = parts.numbers[yearFirst ? 0 : 1];
    return QDate(fullYear(year), month, day.toInt());
}

// Whether a numeric date shows its order by itself: a first number above 12 can only be the day,
// a second one above 12 only the day after the month. Dates written with dots put the day first.
std::optional<DayMonthOrder> evidentOrder(const DateParts& parts) {
    if (parts.numbers.size() != 3 || !parts.words.isEmpty() || parts.numbers[0].size() > 2)
        return std::nullopt;
    if (parts.numbers[0].toInt() > 12 || parts.separator == QLatin1Char('.'))
        return DayMonthOrder::DayFirst;
    if (parts.numbers[1].toInt() > 12)
        return DayMonthOrder::MonthFirst;
    return std::nullopt;
}

} // namespace

DayMonthOrder QuizDateTime::orderOf(const QStringList& dates, const QLocale& locale) {
    int dayFirst = 0;
    int monthFirst = 0;
    const QSet<QString> distinct(dates.begin(), dates.end()); // a class has few dates
    for (const QString& date : distinct) {
        const DateParts parts = partsOf(date);
        if (parts.separator == QLatin1Char('.'))
            continue; // always day first, whatever the others do
        if (const auto order = evidentOrder(parts))
            ++(*order == DayMonthOrder::DayFirst ? dayFirst : monthFirst);
    }
    if (dayFirst != monthFirst)
        return dayFirst > monthFirst ? DayMonthOrder::DayFirst : DayMonthOrder::MonthFirst;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    return month >= 0 && day > month ? DayMonthOrder::MonthFirst : DayMonthOrder::DayFirst;
}

QDate QuizDateTime::date(const QString& text, DayMonthOrder order) {
    const DateParts parts = partsOf(text);
    if (!parts.words.isEmpty())
        return dateWithMonthName(parts);
    if (parts.numbers.size() != 3)
        return {};
    const QList<QString>& n = parts.numbers;
    if (n[0].size() == 4) // 2026-02-01, 2026/02/01, 2026. 02. 01.
        return QDate(n[0].toInt(), n[1].toInt(), n[2].toInt());
    const DayMonthOrder used = evidentOrder(parts).value_or(order);
    const int day = (used == DayMonthOrder::DayFirst ? n[0] : n[1]).toInt();
    const int month = (used == DayMonthOrder::DayFirst ? n[1] : n[0]).toInt();
    return QDate(fullYear(n[2]), month, day);
}

QTime QuizDateTime::time(const QString& text) {
    // The first "h:mm" or "h:mm:ss" (or with dots), then "AM" or "PM" in any of their forms
    // ("a.m.", "p. m."); what follows (a time zone) does not matter.
    int clock[3] = {-1, -1, 0};
    qsizetype i = 0;
    while (i < text.size() && !text.at(i).isDigit())
        ++i;
    for (int field = 0; field < 3; ++field) {
        const qsizetype start = i;
        while (i < text.size() && text.at(i).isDigit())
            ++i;
        if (i == start || i - start > 2 || (field > 0 && i - start != 2))
            return {};
        clock[field] = text.mid(start, i - start).toInt();
        const bool more = i + 1 < text.size() && text.at(i + 1).isDigit() &&
                          (text.at(i) == QLatin1Char(':') || text.at(i) == QLatin1Char('.'));
        if (!more)
            break;
        ++i;
    }
    if (clock[1] < 0)
        return {};
    static const QRegularExpression halfDay(QStringLiteral(R"(^\s*([ap])\.?\s*m\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = halfDay.match(QStringView(text).mid(i));
    int hour = clock[0];
    if (m.hasMatch()) {
        if (hour < 1 || hour > 12)
            return {};
        const bool afternoon = m.capturedView(1).compare(u"p", Qt::CaseInsensitive) == 0;
        hour = hour % 12 + (afternoon ? 12 : 0);
    }
    return QTime(hour, clock[1], clock[2]);
}

QString QuizDateTime::iso(const QString& date, const QString& time, DayMonthOrder order) {
    return iso(QuizDateTime::date(date, order), time);
}

QString QuizDateTime::iso(const QDate& day, const QString& time) {
    if (!day.isValid())
        return {};
    // Written by hand: this runs for every line of a class, and the general formatting is slow.
    char text[32];
    const QTime clock = QuizDateTime::time(time);
    if (!clock.isValid())
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year(), day.month(), day.day());
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", day.year(), day.month(),
                      day.day(), clock.hour(), clock.minute(), clock.second());
    return QString::fromLatin1(text);
}

} // namespace qor
