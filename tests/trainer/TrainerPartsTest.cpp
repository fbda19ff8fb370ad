// What both trainers share: the score file with its notices and failures, the quiz's erase
// question, the thresholds of automatic advance and the menu tree's captions.

#include "AdvanceThresholds.h"
#include "MenuItem.h"
#include "QuizSetup.h"
#include "ScoreFile.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ScoreFileTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder = root.path() + QStringLiteral("/Qor_Music");
    scores::ScoreStore store{folder};
    ScriptedDialogs dialogs;
    ScoreFile scoreFile{store, dialogs};

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void writeProtect(const QString& name) {
        ASSERT_TRUE(QFile::setPermissions(store.pathFor(name), QFile::ReadOwner));
    }
};

TEST_F(ScoreFileTest, AnAppendIsToldBeforeItsNoticeIsShown) {
    QStringList events;
    scoreFile.onAppended([&](const QString& path, const QString& line) {
        events << QStringLiteral("appended %1 %2").arg(QFileInfo(path).fileName(), line);
    });
    dialogs.shown = [&](const QString&, const QString& text, const QString&) {
        events << QStringLiteral("box ") + text.left(20);
    };
    store.appendLine(QStringLiteral("Kim"), QStringLiteral("first")); // makes the folder
    writeFile(QStringLiteral("Kim.rtf"), "Kim's notes, typed in a text editor\n");

    const ScoreFile::Saved saved = scoreFile.append(QStringLiteral("Kim"), QStringLiteral("quiz"));
    // The unreadable file stays; the line goes into a file beside it, which the caller learns.
    EXPECT_EQ(QFileInfo(saved.path).fileName(), QStringLiteral("Kim (2).rtf"));
    EXPECT_EQ(saved.lines, QStringList{QStringLiteral("quiz")});
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0], QStringLiteral("appended Kim (2).rtf quiz"));
    EXPECT_TRUE(events[1].startsWith(QStringLiteral("box "))) << events[1].toStdString();
}

TEST_F(ScoreFileTest, FailuresAreThrownWithTheStoresSentence) {
    try {
        scoreFile.read(QStringLiteral("Nobody"));
        FAIL() << "a missing file is read";
    } catch (const ScoreFileFailure& failure) {
        EXPECT_TRUE(failure.text().startsWith(QStringLiteral("There is no score file for")))
            << failure.text().toStdString();
    }
    scoreFile.append(QStringLiteral("Ro"), QStringLiteral("kept"));
    writeProtect(QStringLiteral("Ro"));
    EXPECT_THROW(scoreFile.erase(QStringLiteral("Ro")), ScoreFileFailure);
    EXPECT_THROW(scoreFile.append(QStringLiteral("Ro"), QStringLiteral("x")), ScoreFileFailure);
    EXPECT_EQ(scoreFile.read(QStringLiteral("Ro")), QStringList{QStringLiteral("kept")});
    EXPECT_TRUE(dialogs.errors.isEmpty()) << "a failure is thrown, not shown";
}

TEST_F(ScoreFileTest, TheQuizSetupErasesOnlyANewTestAndStopsWhenErasingFails) {
    QuizSetup setup(dialogs, scoreFile);
    scoreFile.append(QStringLiteral("Ann"), QStringLiteral("old"));

    dialogs.confirmAnswers = {false};
    EXPECT_TRUE(setup.eraseIfNewTest(QStringLiteral("Ann")));
    EXPECT_EQ(scoreFile.read(QStringLiteral("Ann")), QStringList{QStringLiteral("old")});
    ASSERT_EQ(dialogs.destructiveConfirmations.size(), 1) << "Enter must keep the scores";

    dialogs.confirmAnswers = {true};
    EXPECT_TRUE(setup.eraseIfNewTest(QStringLiteral("Ann")));
    EXPECT_TRUE(scoreFile.read(QStringLiteral("Ann")).isEmpty());

    scoreFile.append(QStringLiteral("Ro"), QStringLiteral("kept"));
    writeProtect(QStringLiteral("Ro"));
    dialogs.confirmAnswers = {true};
    EXPECT_FALSE(setup.eraseIfNewTest(QStringLiteral("Ro")));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].endsWith(QStringLiteral(" The quiz was not prepared.")));

    dialogs.inputAnswers = {QStringLiteral("a/b"), QStringLiteral("  Lee ")};
    EXPECT_EQ(setup.askStudent(), QStringLiteral("Lee"));
}

TEST(AdvanceThresholds, AskedTextsStayWholeNumbersAboveZero) {
    QString count = QStringLiteral("20");
    QString percent = QStringLiteral("90");
    AdvanceThresholds thresholds(count, percent, QStringLiteral("20"), QStringLiteral("90"));
    const AdvanceThresholds::Prompts prompts{QStringLiteral("Count?"), QStringLiteral("How many?"),
                                             QStringLiteral("Score?"), QStringLiteral("Percent?")};
    ScriptedDialogs dialogs;

    dialogs.inputAnswers = {QStringLiteral(" 7 "), QStringLiteral("0")};
    auto answered = thresholds.ask(dialogs, prompts);
    EXPECT_TRUE(answered.count && answered.percent);
    EXPECT_EQ(count, QStringLiteral("7"));
    EXPECT_EQ(percent, QStringLiteral("90")) << "0 falls back";
    EXPECT_EQ(dialogs.inputsAsked.at(0).defaultText, QStringLiteral("20"));

    dialogs.inputAnswers = {std::nullopt, QStringLiteral("many")};
    answered = thresholds.ask(dialogs, prompts);
    EXPECT_FALSE(answered.count);
    EXPECT_TRUE(answered.percent);
    EXPECT_EQ(count, QStringLiteral("7")) << "a cancelled box keeps its threshold";
    EXPECT_EQ(percent, QStringLiteral("90"));

    // The score must be above the percentage; the count is reached at the count itself.
    EXPECT_FALSE(thresholds.reached(6, 95.0));
    EXPECT_FALSE(thresholds.reached(7, 90.0));
    EXPECT_TRUE(thresholds.reached(7, 90.01));
}

struct Counter {
    int clicks = 0;
};
struct Shown {
    bool second = false;
};

TEST(MenuItem, FoundByThePlainCaptionsOfTheState) {
    using Item = MenuItem<Shown, Counter>;
    Item level;
    level.caption = [](const Shown&) { return QStringLiteral("%1 patterns"); };
    level.argument = 5;
    level.triggered = [](Counter& c) { ++c.clicks; };
    Item question;
    question.caption = [](const Shown& s) {
        return s.second ? QStringLiteral("Second?") : QStringLiteral("&First?");
    };
    Item top;
    top.caption = [](const Shown&) { return QStringLiteral(" &Levels "); };
    top.children = {level, question};
    const std::vector<Item> bar{top};

    Shown state;
    const Item* found =
        findMenuItem(bar, state, {QStringLiteral("Levels"), QStringLiteral("5 patterns")});
    ASSERT_TRUE(found);
    Counter counter;
    found->triggered(counter);
    EXPECT_EQ(counter.clicks, 1);
    EXPECT_TRUE(findMenuItem(bar, state, {QStringLiteral("Levels"), QStringLiteral("First?")}));
    EXPECT_FALSE(findMenuItem(bar, state, {QStringLiteral("Levels"), QStringLiteral("Second?")}));
    state.second = true;
    EXPECT_TRUE(findMenuItem(bar, state, {QStringLiteral("Levels"), QStringLiteral("Second?")}));
    EXPECT_FALSE(
        findMenuItem(bar, state, {QStringLiteral("Levels"), QStringLiteral("6 patterns")}));

    // Shown translated, with the argument put in after the translation.
    const auto german = [](const QString& text) {
        return text == QLatin1String("%1 patterns") ? QStringLiteral("%1 Muster") : text;
    };
    EXPECT_EQ(level.shownText(state, german), QStringLiteral("5 Muster"));
}

} // namespace
