// The language option and the installing of a language's translations.
#include "ProgramLanguage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList arguments{QStringLiteral("tonewise")};
    for (const char* a : list)
        arguments << QString::fromUtf8(a);
    return arguments;
}

QString menuCaption(const char* text) {
    return QCoreApplication::translate("PitchMenus", text);
}

} // namespace

TEST(LanguageOption, IsTakenOutOfTheArguments) {
    QStringList arguments = args({"--audio-file", "out.wav", "--lang", "pt_BR"});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "pt_BR");
    EXPECT_EQ(arguments, args({"--audio-file", "out.wav"}));

    arguments = args({"--lang=de", "--screenshot", "a.png"});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "de");
    EXPECT_EQ(arguments, args({"--screenshot", "a.png"}));
}

TEST(LanguageOption, WithoutACodeIsMarked) {
    QStringList arguments = args({"--lang"});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "-");
    EXPECT_EQ(arguments, args({}));

    arguments = args({"--lang", "--screenshot", "a.png"});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "-");
    EXPECT_EQ(arguments, args({"--screenshot", "a.png"}));

    arguments = args({"--lang="});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "-");
}

TEST(LanguageOption, AbsentLeavesTheArgumentsAlone) {
    QStringList arguments = args({"--audio-file", "--lang.wav"});
    EXPECT_EQ(ProgramLanguage::takeOption(arguments), "");
    EXPECT_EQ(arguments, args({"--audio-file", "--lang.wav"}));
}

TEST(ProgramLanguage, EveryShippedLanguageIsEmbedded) {
    const QStringList expected = QString::fromLatin1(TRANSLATED_LANGUAGES).split(',');
    QStringList available = ProgramLanguage::available(QStringLiteral("tonewise"));
    available.sort();
    QStringList sorted = expected;
    sorted.sort();
    EXPECT_EQ(available, sorted);
}

TEST(ProgramLanguage, InstallsAndRemovesItsTranslations) {
    int argc = 1;
    char name[] = "tonewise";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(menuCaption("&File"), "&File");
    {
        ProgramLanguage spanish(QStringLiteral("tonewise"), QStringLiteral("es"));
        EXPECT_TRUE(spanish.isTranslated());
        EXPECT_FALSE(spanish.isMissing());
        EXPECT_EQ(menuCaption("&File"), "&Archivo");
        {
            // The language chosen last wins while it lives.
            ProgramLanguage german(QStringLiteral("tonewise"), QStringLiteral("de"));
            EXPECT_EQ(menuCaption("&File"), "&Datei");
        }
        EXPECT_EQ(menuCaption("&File"), "&Archivo");
    }
    EXPECT_EQ(menuCaption("&File"), "&File");

    ProgramLanguage brazilian(QStringLiteral("tonewise"), QStringLiteral("pt_BR"));
    EXPECT_EQ(menuCaption("&File"), "&Arquivo");
}

TEST(ProgramLanguage, EnglishNeedsNoTranslation) {
    ProgramLanguage english(QStringLiteral("tonewise"), QStringLiteral("en_GB"));
    EXPECT_FALSE(english.isTranslated());
    EXPECT_FALSE(english.isMissing());
}

TEST(ProgramLanguage, AnUnknownLanguageIsMissing) {
    ProgramLanguage japanese(QStringLiteral("tonewise"), QStringLiteral("ja"));
    EXPECT_FALSE(japanese.isTranslated());
    EXPECT_TRUE(japanese.isMissing());
    ProgramLanguage nonsense(QStringLiteral("tonewise"), QStringLiteral("zz_99"));
    EXPECT_FALSE(nonsense.isTranslated());
    EXPECT_TRUE(nonsense.isMissing());
}

TEST(ProgramLanguage, FromTheArgumentsOfAProgram) {
    QStringList arguments = args({"--lang"});
    EXPECT_EQ(ProgramLanguage::fromArguments(QStringLiteral("tonewise"), arguments), nullptr);

    arguments = args({"--lang", "ja", "--audio-file", "a.wav"});
    const auto japanese = ProgramLanguage::fromArguments(QStringLiteral("tonewise"), arguments);
    ASSERT_NE(japanese, nullptr);
    EXPECT_TRUE(japanese->isMissing());
    EXPECT_EQ(arguments, args({"--audio-file", "a.wav"}));

    arguments = args({"--lang=fr"});
    const auto french = ProgramLanguage::fromArguments(QStringLiteral("tonewise"), arguments);
    ASSERT_NE(french, nullptr);
    EXPECT_FALSE(french->isMissing());
    EXPECT_EQ(french->locale().language(), QLocale::French);
    EXPECT_EQ(arguments, args({}));
}
