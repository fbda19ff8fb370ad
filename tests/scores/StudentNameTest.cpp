#include "StudentName.h"

#include <QCoreApplication>
#include <QTranslator>

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

TEST(StudentName, RefusesInvisibleAndDirectionChangingCharacters) {
    // Each would let two different students' names look the same.
    const QString refused[] = {
        QStringLiteral("Smith\u202Etxt.exe"), // right-to-left override
        QStringLiteral("Sm\u200Bith"),        // zero-width space
        QStringLiteral("Smith\u200E"),        // left-to-right mark
        QStringLiteral("\u2067Smith\u2069"),  // right-to-left isolate
        QStringLiteral("Sm\u00ADith"),        // soft hyphen
        QStringLiteral("\uFEFFSmith"),        // byte order mark
        QStringLiteral("Sm\u2060ith"),        // word joiner
        QStringLiteral("Sm\u200Dith"),        // zero-width joiner
        QStringLiteral("Smith\U000E0041"),    // a tag character
        QStringLiteral("Sm\u3164ith"),        // a blank Hangul filler
    };
    for (const QString& name : refused) {
        const QString message = StudentName::refusal(name);
        EXPECT_TRUE(message.contains(QStringLiteral("invisible"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String("Please type your last name OR student ID")));
    }
    // The message names the character, so that a teacher can find it.
    EXPECT_TRUE(StudentName::refusal(refused[0]).contains(QStringLiteral("U+202E")));
    EXPECT_TRUE(StudentName::refusal(refused[8]).contains(QStringLiteral("U+E0041")));
    // Names written from right to left, and letters with marks, are names like any other.
    for (const char* name : {"כהן", "محمد", "Nguye\xcc\x82\xcc\x83n", "Zoë"})
        EXPECT_TRUE(StudentName::refusal(QString::fromUtf8(name)).isEmpty()) << name;
}

namespace {

// Marks every text of the score files' context as translated.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        if (QByteArray(context) != "ScoreFiles")
            return {};
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
};

} // namespace

TEST(StudentName, EveryReasonIsTranslated) {
    int argc = 1;
    char name[] = "scores_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    for (const QString& refused :
         {QString(), QStringLiteral("a/b"), QStringLiteral("tab\there"), QString(67, QChar(0x20AC)),
          QString(StudentName::kMaxCharacters + 1, QLatin1Char('x')),
          QStringLiteral("Sm\u200Bith")}) {
        const QString message = StudentName::refusal(refused);
        // The sentence and the reason inside it are both translated.
        EXPECT_TRUE(message.startsWith(QLatin1Char('['))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral(": [it "))) << message.toStdString();
    }
    QCoreApplication::removeTranslator(&marking);
}
