#include "StudentName.h"

#include <gtest/gtest.h>

using scores::StudentName;

TEST(StudentName, AcceptsOrdinaryNamesAndIds) {
    for (const char* name : {"Scores", "Smith", "O'Brien", "Müller-Lüdenscheidt", "José María",
                             "12345", "van der Berg", "a.b", "Nguyễn", "李"}) {
        EXPECT_TRUE(StudentName::refusal(QString::fromUtf8(name)).isEmpty()) << name;
    }
    EXPECT_EQ(StudentName::normalised(QStringLiteral("  Smith \t")), QStringLiteral("Smith"));
}

TEST(StudentName, RefusesNamesThatCouldLeaveTheFolderOrBreakAFileSystem) {
    const QString refused[] = {
        QString(),
        QStringLiteral("../teacher"),
        QStringLiteral(".."),
        QStringLiteral("a..b"),
        QStringLiteral("class/smith"),
        QStringLiteral("C:\\Windows\\win"),
        QStringLiteral("tab\there"),
        QStringLiteral("new\nline"),
        QString(QChar(0x7F)),
        QStringLiteral("line\u2028separator"),
        QStringLiteral("a:b"),
        QStringLiteral("what?"),
        QStringLiteral("star*"),
        QStringLiteral("<x>"),
        QStringLiteral("pi|pe"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("CON"),
        QStringLiteral("nul.txt"),
        QStringLiteral("com7"),
        QStringLiteral("LPT1"),
        QStringLiteral(".hidden"),
        QStringLiteral("trailing."),
        QString(StudentName::kMaxCharacters + 1, QLatin1Char('x')),
    };
    for (const QString& name : refused) {
        const QString message = StudentName::refusal(name);
        EXPECT_FALSE(message.isEmpty()) << name.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String("Please type your last name OR student ID")));
    }
    // Names that only look like device names are fine.
    EXPECT_TRUE(StudentName::refusal(QStringLiteral("Conrad")).isEmpty());
    EXPECT_TRUE(StudentName::refusal(QStringLiteral("COM")).isEmpty());
    EXPECT_TRUE(
        StudentName::refusal(QString(StudentName::kMaxCharacters, QLatin1Char('x'))).isEmpty());
}
