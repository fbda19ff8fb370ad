// The dates and times of score lines read as calendar dates, and file text made harmless to show.

#include "QuizDateTime.h"
#include "VisibleText.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(QuizDateTime, DatesInTheFormatsOfTheProgramsLanguages) {
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"2 Feb 2026", QDate(2026, 2, 2)},       // no language set
        {"February 2, 2026", QDate(2026, 2, 2)}, // long US form
        {"Monday, 2 February 2026", QDate(2026, 2, 2)},
        {"25/01/2026", QDate(2026, 1, 25)}, // day first: it cannot be a month
        {"1/25/26", QDate(2026, 1, 25)},    // month first, two-digit year
        {"08.12.26", QDate(2026, 12, 8)},   // dots: always day first
        {"2026-02-01", QDate(2026, 2, 1)},  // year first
        {"2026/2/1", QDate(2026, 2, 1)},
    };
    for (const auto& c : cases) {
        for (const DayMonthOrder order : {DayMonthOrder::DayFirst, DayMonthOrder::MonthFirst})
            EXPECT_EQ(QuizDateTime::date(QString::fromUtf8(c.text), order), c.date) << c.text;
    }
    // Either way round, as the class's order says.
    EXPECT_EQ(QuizDateTime::date("1/5/2026", DayMonthOrder::DayFirst), QDate(2026, 5, 1));
    EXPECT_EQ(QuizDateTime::date("1/5/2026", DayMonthOrder::MonthFirst), QDate(2026, 1, 5));
    // Not dates.
    for (const char* text : {"", "yesterday", "13/13/2026", "31 Feb 2026", "5/2026", "1/2/3/4"})
        EXPECT_FALSE(QuizDateTime::date(text, DayMonthOrder::DayFirst).isValid()) << text;
}

TEST(QuizDateTime, TheClassesDatesDecideTheOrderOfAmbiguousOnes) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    // Nothing in the dates tells: the language settings do.
    EXPECT_EQ(QuizDateTime::orderOf({"1/5/2026", "2/3/2026"}, us), DayMonthOrder::MonthFirst);
    EXPECT_EQ(QuizDateTime::orderOf({"1/5/2026", "2/3/2026"}, uk), DayMonthOrder::DayFirst);
    // A day above 12 tells; dotted dates and dates with month names tell nothing of the others.
    EXPECT_EQ(QuizDateTime::orderOf({"1/5/2026", "1/25/2026", "13.1.26", "2 Feb 2026"}, uk),
              DayMonthOrder::MonthFirst);
    EXPECT_EQ(QuizDateTime::orderOf({"1/5/2026", "25/1/2026"}, us), DayMonthOrder::DayFirst);
}

TEST(QuizDateTime, TimesOfDayInTwelveAndTwentyFourHours) {
    EXPECT_EQ(QuizDateTime::time("10:15:30 AM"), QTime(10, 15, 30));
    EXPECT_EQ(QuizDateTime::time("2:05:09 PM"), QTime(14, 5, 9));
    EXPECT_EQ(QuizDateTime::time("12:00:01 AM"), QTime(0, 0, 1));
    EXPECT_EQ(QuizDateTime::time("12:30:00 pm"), QTime(12, 30, 0));
    EXPECT_EQ(QuizDateTime::time("2:05:09 p. m."), QTime(14, 5, 9));
    EXPECT_EQ(QuizDateTime::time("14:05:09 Central European Standard Time"), QTime(14, 5, 9));
    EXPECT_EQ(QuizDateTime::time("14.05.09"), QTime(14, 5, 9));
    EXPECT_EQ(QuizDateTime::time("9:07"), QTime(9, 7));
    for (const char* text : {"", "noon", "25:00:00", "13:00:00 PM", "10:61:00"})
        EXPECT_FALSE(QuizDateTime::time(text).isValid()) << text;

    EXPECT_EQ(QuizDateTime::iso("2 Feb 2026", "2:05:09 PM", DayMonthOrder::DayFirst),
              "2026-02-02T14:05:09");
    EXPECT_EQ(QuizDateTime::iso("2 Feb 2026", "", DayMonthOrder::DayFirst), "2026-02-02");
    EXPECT_EQ(QuizDateTime::iso("", "2:05:09 PM", DayMonthOrder::DayFirst), "");
}

TEST(VisibleText, ControlAndInvisibleCharactersAreShownAsEscapes) {
    EXPECT_EQ(VisibleText::shown(QStringLiteral("\x1b]0;owned\a")), "\\x1B]0;owned\\x07");
    EXPECT_EQ(VisibleText::shown(QStringLiteral("a\tb\r\nc")), "a\\x09b\\x0D\\x0Ac");
    EXPECT_EQ(VisibleText::shown(QString(QChar(0x9B)) + "31m"), "\\x9B31m");
    EXPECT_EQ(VisibleText::shown(QStringLiteral("Sm\u200Bith\u202E")), "Sm\\u200Bith\\u202E");
    EXPECT_EQ(VisibleText::shown(QStringLiteral("tag\U000E0041")), "tag\\U000E0041");
    EXPECT_EQ(VisibleText::shown(QString(QChar(0xD800))), "\\uD800");
    // Everything else is left as it is, letters of every script and emoji among them.
    const QString plain = QString::fromUtf8("Müller-Lüdenscheidt, 李, محمد, 😀 \\ 100%");
    EXPECT_EQ(VisibleText::shown(plain), plain);
}

} // namespace
} // namespace qor
