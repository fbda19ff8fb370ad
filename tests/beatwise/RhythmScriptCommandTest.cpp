// "beatwise --script": the rhythm trainer run from a script, and the transcript it writes.

#include "RhythmScriptCommand.h"
#include "ScriptedRhythmPlayer.h"
#include "VirtualClock.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

class RhythmScript : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString out;
    QString err;

    int run(const QString& script, QStringList extra = {}) {
        out.clear();
        err.clear();
        const QString path = folder.filePath(QStringLiteral("script.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(script.toUtf8());
        file.close();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QStringList arguments{QStringLiteral("--script"), path, QStringLiteral("--scores"),
                              folder.filePath(QStringLiteral("scores"))};
        arguments += extra;
        const int status = runRhythmScriptCommand(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return status;
    }
    QStringList transcript() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

TEST_F(RhythmScript, StartsWithTheDisplaysAndTheEmptyRow) {
    ASSERT_EQ(run(QString()), 0) << err.toStdString();
    EXPECT_EQ(transcript(),
              (QStringList{"0 field Score \"\"", "0 field Items \"\"", "0 field AvRepeats \"\"",
                           "0 field AnsDisplay \"Check Answer\"", "0 field Speed \"72\"",
                           "0 field LevelLabel \"Simple/3\"", "0 row - - - - - - -"}));
}

TEST_F(RhythmScript, ShowsEntriesWrongBeatsAndTheQuestionRow) {
    ASSERT_EQ(run(QStringLiteral("yes\nbutton Next Question\nkey w\ncell 8\nkey u\n"
                                 "button Check Answer\nbutton Hide Answer\n")),
              0)
        << err.toStdString();
    // With seed 1 the question is q w u w u w u: only the last beat is right.
    EXPECT_EQ(transcript().mid(8),
              (QStringList{"0 row w - - - - - -", "0 row w - - - - - u", "0 field Score \"14.28%\"",
                           "0 field Items \"1\"", "0 field AvRepeats \"1.00\"",
                           "0 field AnsDisplay \"Hide Answer\"", "0 row w! -! -! -! -! -! u",
                           "0 question q w u w u w u", "0 field AnsDisplay \"Check Answer\"",
                           "0 question hidden"}))
        << out.toStdString();
}

TEST_F(RhythmScript, PlaysTheQuestionOnTheVirtualClock) {
    ASSERT_EQ(run(QStringLiteral("yes\nbutton Next Question\nwait 900\n")), 0);
    const QStringList lines = transcript();
    // The count-in's first click sounds at once, its second an eighth later at tempo 72.
    EXPECT_TRUE(lines.contains("0 midi 153 50 127"));
    EXPECT_TRUE(lines.contains("410 midi 153 50 127"));
    EXPECT_TRUE(lines.contains("820 midi 153 65 127"));
    EXPECT_TRUE(lines.filter(QRegularExpression("^(9\\d\\d|\\d{4,}) ")).isEmpty())
        << "nothing is sent after the last wait";
}

TEST_F(RhythmScript, TheSameSeedDrawsTheSameQuestions) {
    const QString script = QStringLiteral("yes\nbutton Next Question\nbutton Check Answer\n");
    ASSERT_EQ(run(script, {QStringLiteral("--seed"), QStringLiteral("7")}), 0);
    const QString first = out;
    ASSERT_EQ(run(script, {QStringLiteral("--seed"), QStringLiteral("7")}), 0);
    EXPECT_EQ(out, first);
    ASSERT_EQ(run(script, {QStringLiteral("--seed"), QStringLiteral("8")}), 0);
    EXPECT_NE(out, first);
}

TEST_F(RhythmScript, RefusesWhatItCannotCarryOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"wait 10\nfoo bar\n", "beatwise: line 2: unknown line: foo bar"},
        {"key m\n", "beatwise: line 1: the pattern button m is hidden: key m"},
        {"key z\n", "beatwise: line 1: no pattern button \"z\": key z"},
        {"button Stop/Repeat\n", "beatwise: line 1: the button \"Stop/Repeat\" is disabled: "
                                 "button Stop/Repeat"},
        {"button Hide Answer\n", "beatwise: line 1: no button \"Hide Answer\": button Hide Answer"},
        {"cell 11\n", "beatwise: line 1: cell needs a column from 0 to 10: cell 11"},
        {"tempo 75\n", "beatwise: line 1: tempo needs 30 to 96 beats a minute in steps of 6: "
                       "tempo 75"},
        {"menu Rhythm Patterns\n", "beatwise: line 1: a menu command needs the path to an item: "
                                   "menu Rhythm Patterns"},
        {"menu Rhythm Patterns > Compound > 9 patterns\n",
         "beatwise: line 1: no menu item \"9 patterns\": menu Rhythm Patterns > Compound > 9 "
         "patterns"},
        {"menu File > Quiz Mode > Quiz in Progress\n",
         "beatwise: line 1: the menu item \"Quiz in Progress\" is disabled: menu File > Quiz Mode "
         "> Quiz in Progress"},
        {"button Next Question\n",
         "beatwise: line 1: no answer (yes or no) for the question \"Are You certain?\""},
    };
    for (const auto& [script, message] : cases) {
        EXPECT_EQ(run(QString::fromUtf8(script)), 2) << script;
        EXPECT_EQ(err.trimmed(), QString::fromUtf8(message)) << script;
    }
    EXPECT_EQ(run(QString(), {QStringLiteral("--seed"), QStringLiteral("x")}), 2);
    EXPECT_EQ(err.trimmed(), "beatwise: --seed must be a whole number, not \"x\"; see 'beatwise "
                             "--help'");
}

// The player itself: messages at their times, nothing after Stop, and a new string that
// replaces the one playing.
TEST(ScriptedRhythmPlayerTest, SendsEachMessageAtItsTimeUntilStopped) {
    VirtualClock clock;
    std::vector<std::pair<qint64, int>> sent; // time, note of each note-on
    ScriptedRhythmPlayer player(clock, [&](const ScriptedRhythmPlayer::Message& m) {
        if ((m.status & 0xF0) == 0x90 && m.data2 > 0)
            sent.push_back({clock.now(), m.data1});
    });
    player.SetChannel(9);
    ASSERT_TRUE(player.PlayString(QStringLiteral("00;N60;50, 50;N62;50, 50;N64;50, ")));
    EXPECT_TRUE(player.IsPlaying());
    clock.advance(600);
    EXPECT_EQ(sent, (std::vector<std::pair<qint64, int>>{{0, 60}, {500, 62}}));
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    clock.advance(2000);
    EXPECT_EQ(sent.size(), 2u);

    ASSERT_TRUE(player.PlayString(QStringLiteral("00;N70;10, ")));
    ASSERT_TRUE(player.PlayString(QStringLiteral("00;N72;10, ")));
    clock.advance(1000);
    EXPECT_EQ(sent.back(), (std::pair<qint64, int>{2600, 72}));
    EXPECT_EQ(sent.size(), 3u) << "the string replaced before it sounded is not heard";
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(player.PlayString(QStringLiteral("nonsense")));
}

} // namespace
