// Tonewise's key and level lines as the window shows them in each language.
#include "ExerciseLines.h"
#include "MusicKeys.h"
#include "ProgramLanguage.h"
#include "ScaleLevels.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

using namespace tonewise;

TEST(ShownLines, StayAsWrittenInEnglishAndWhenTheyAreNotOurs) {
    for (const MusicKey& key : MusicKeys())
        EXPECT_EQ(shownKeyLine(key.keyText), key.keyText);
    for (const ScaleLevel& level : ScaleLevels())
        EXPECT_EQ(shownLevelLine(level.QuestShwText), level.QuestShwText);

    int argc = 1;
    char name[] = "tonewise";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    const ProgramLanguage german(QStringLiteral("tonewise"), QStringLiteral("de"));
    for (const QString& line : {QString(), QStringLiteral("Key = H Major."),
                                QStringLiteral("Key = C Major"), QStringLiteral("Scale steps")})
        EXPECT_EQ(shownKeyLine(line), line);
    EXPECT_EQ(shownLevelLine(QStringLiteral("Scale steps")), QStringLiteral("Scale steps"));
}

TEST(ShownLines, EveryKeyAndLevelReadsInEachLanguage) {
    int argc = 1;
    char name[] = "tonewise";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    for (const QString& language : QString::fromLatin1(TRANSLATED_LANGUAGES).split(',')) {
        const ProgramLanguage chosen(QStringLiteral("tonewise"), language);
        ASSERT_TRUE(chosen.isTranslated()) << language.toStdString();
        for (const MusicKey& key : MusicKeys()) {
            const QString shown = shownKeyLine(key.keyText);
            for (const char* english : {"Key", "Major", "Minor", "Harmonic"})
                EXPECT_FALSE(shown.contains(QLatin1String(english)))
                    << language.toStdString() << ": " << shown.toStdString();
            EXPECT_TRUE(shown.endsWith(QLatin1Char('.'))) << shown.toStdString();
        }
        for (const ScaleLevel& level : ScaleLevels()) {
            const QString shown = shownLevelLine(level.QuestShwText);
            EXPECT_FALSE(shown.startsWith(QLatin1String("Scale-steps")) ||
                         shown.contains(QLatin1String("arallel")))
                << language.toStdString() << ": " << shown.toStdString();
            // The steps themselves are as the trainer wrote them.
            const QString digits = level.QuestShwText.section(u'=', 1).remove(
                QRegularExpression(QStringLiteral("[^0-9]")));
            EXPECT_EQ(shown.section(u'=', 1).remove(QRegularExpression(QStringLiteral("[^0-9]"))),
                      digits)
                << shown.toStdString();
        }
    }
    const ProgramLanguage french(QStringLiteral("tonewise"), QStringLiteral("fr"));
    EXPECT_EQ(shownKeyLine(QStringLiteral("Key = F# Harmonic Minor.")),
              QStringLiteral("Tonalité = Fa dièse mineur harmonique."));
    EXPECT_EQ(shownLevelLine(QStringLiteral("Scale-steps = 5 - 1 - 8 + parallel 3,6")),
              QStringLiteral("Degrés = 5 - 1 - 8 + homonyme 3,6"));
}
