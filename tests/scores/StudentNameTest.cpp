#include "StudentName.h"

#include <gtest/gtest.h>

using scores::StudentName;

TEST(StudentName, AcceptsOrdinaryNamesAndIds) {
    for (const char* name : {"Scores", "Smith", "O'Brien", "Müller-Lüdenscheidt", "José María",
                             "12345", "van der Berg", "a.b", "Nguyễn", "李", "emoji😀", "𝄞 clef"}) {
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
        QStringLiteral("COM\u00B9"),
        QStringLiteral("lpt\u00B2.rtf"),
        QString(QChar(0xD83D)), // half of a surrogate pair
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

TEST(StudentName, EachRefusalNamesItsOwnReason) {
    EXPECT_TRUE(
        StudentName::refusal(QStringLiteral("tab\there")).contains(QStringLiteral("control")));
    // 67 euro signs are 67 characters but 201 bytes.
    const QString euros = StudentName::refusal(QString(67, QChar(0x20AC)));
    EXPECT_FALSE(euros.isEmpty());
    EXPECT_FALSE(euros.contains(QStringLiteral("characters")));
    EXPECT_TRUE(euros.contains(QStringLiteral("201 bytes"))) << euros.toStdString();
    // Characters beyond the Basic Multilingual Plane count once each.
    QString clefs;
    for (int i = 0; i < StudentName::kMaxCharacters / 2; ++i)
        clefs += QStringLiteral("\U0001D11E");
    EXPECT_FALSE(StudentName::refusal(clefs).contains(QStringLiteral("characters")));
    EXPECT_TRUE(StudentName::refusal(QString(StudentName::kMaxCharacters + 1, QLatin1Char('x')))
                    .contains(QStringLiteral("longer than 100 characters")));
    EXPECT_TRUE(
        StudentName::refusal(QStringLiteral("COM\u00B3")).contains(QStringLiteral("device name")));
}
