// "tonewise --script": the trainer run from a script, and the transcript it writes.

#include "ScriptCommand.h"
#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tonewise {
namespace {

class ScriptCommand : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString out;
    QString err;

    int run(const QString& script, QStringList extra = {}) {
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
        const int status = runScriptCommand(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return status;
    }
    QStringList transcript() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    // The lines in `expected` appear in this order, with others between them.
    void expectInOrder(const QStringList& expected) const {
        const QStringList lines = transcript();
        qsizetype at = 0;
        for (const QString& line : expected) {
            const qsizetype found = lines.indexOf(line, at);
            ASSERT_GE(found, 0) << "missing or out of order: " << line.toStdString() << "\n"
                                << out.toStdString();
            at = found + 1;
        }
    }
};

TEST_F(ScriptCommand, TranscribesStartUpAnAnswerAndAKeyChange) {
    ASSERT_EQ(run(QStringLiteral("# the first note, then its answer\n"
                                 "wait 20\n"
                                 "\n"
                                 "key C3\n"
                                 "menu Key > 2 sharps > D Major\n")),
              0)
        << err.toStdString();
    expectInOrder({
        "0 dialog Tonewise | When Tonewise Opens, Please Click Help Menu, Select \"Help "
        "Topics\", then Select and Read HOW TO USE TONEWISE \"Question Content and Order.\" "
        "Thanks, - Orin Vascombe -> ok",
        "0 field Key \"Key = C Major.\"",
        "0 field QuestShw \"Scale-steps = 1, 3, 5.\"",
        "0 field Score \"Start\"",
        "10 midi 144 60 127",
        "20 field Items \"1\"",
        "20 field Score \"100.00%\"",
        "20 field AnsShow \"That is correct: C3\"",
        "20 staff =======@0,20 =======@0,68 ?@0,44 &@0,12 --@79,28 w@82,28",
        "20 field Key \"Key = D Major.\"",
        "20 staff =======@0,20 =======@0,68 ?@0,44 &@0,12 #@24,-12 #@24,44 #@32,0 #@32,56",
        "20 field AnsShow \"Please play second note.\"",
    });
    EXPECT_EQ(transcript().filter(QStringLiteral(" midi 144 ")).size(), 1)
        << "middle C is struck once";
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(ScriptCommand, TranscribesAQuizAndItsScoreFile) {
    ASSERT_EQ(run(QStringLiteral("wait 20\n"
                                 "reply Smith\n"
                                 "yes\n"
                                 "reply 1\n"
                                 "reply 1\n"
                                 "menu File > Quiz Mode > Prepare Quiz\n"
                                 "button Start-Reset Score\n"
                                 "wait 20\n"
                                 "key C3\n"
                                 "no\n"
                                 "no\n"
                                 "wait 400\n")),
              0)
        << err.toStdString();
    expectInOrder({
        "20 dialog Scores File Name | Please type your last name OR student ID. -> Smith",
        "20 dialog Number of Question Items | How many Pitches or Intervals in each Question? "
        "-> 1",
        "20 field AnsShow \"Starting note is first scale-step.\"",
        "30 midi 144 60 127",
        "340 file Smith.rtf |  Tonewise Quiz = Scale Steps, 9:00:00 AM, Key = C Major., Score "
        "this question: 100.00%",
        "340 file Smith.rtf |  Tonewise Quiz , 1/5/2026, Scale-steps = 1, 3, 5., Number of "
        "Questions = 1, Number of pitches in questions = 1, Overall Average Score = 100",
        "340 dialog Tonewise | END OF QUIZ. Do you wish to review score? -> no",
        "340 dialog Tonewise | Save Scores to Floppy disk in A Drive? -> no",
    });
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("scores/Smith.rtf"))));
}

TEST_F(ScriptCommand, RefusesWhatItCannotCarryOut) {
    EXPECT_EQ(run(QStringLiteral("wait 10\nfoo bar\nwait 10\n")), 2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 2: unknown line: foo bar");

    err.clear();
    EXPECT_EQ(run(QStringLiteral("menu Midi > Instrument\n")), 2);
    EXPECT_EQ(err.trimmed(),
              "tonewise: line 1: no answer (reply or cancel) for the prompt \"MIDI Instrument\"");

    err.clear();
    EXPECT_EQ(run(QStringLiteral("wait 20\nkey C3\nmenu File > Quiz Mode > Prepare Quiz\n")), 2);
    EXPECT_TRUE(err.contains("line 3")) << err.toStdString();

    err.clear();
    EXPECT_EQ(run(QStringLiteral("menu Key > 9 sharps > Z Major\n")), 2);
    EXPECT_TRUE(err.contains("no menu item \"9 sharps\"")) << err.toStdString();

    err.clear();
    EXPECT_EQ(run(QStringLiteral("wait soon\n")), 2);
    EXPECT_TRUE(err.contains("wait needs a number of milliseconds")) << err.toStdString();

    // The virtual clock is never taken near its end.
    err.clear();
    EXPECT_EQ(run(QStringLiteral("wait 86400000\nwait 9223372036854775000\n")), 2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 2: wait needs a number of milliseconds from 0 to "
                             "86400000 (a day): wait 9223372036854775000");

    err.clear();
    EXPECT_EQ(run(QStringLiteral("wait 10\n"), {QStringLiteral("--seed"), QStringLiteral("x")}), 2);
    EXPECT_EQ(err, "tonewise: --seed must be a whole number, not \"x\"; see 'tonewise --help'\n");
}

// A steady tone of `hz` for 0.8 s after 0.2 s of silence, at 16 kHz.
bool writeTone(const QString& path, double hz) {
    midi::WavData wav;
    wav.sampleRate = 16000;
    wav.channels = 1;
    for (int i = 0; i < 16000; ++i) {
        const double t = i / 16000.0;
        const double level = t < 0.2 ? 0.0 : 0.3;
        wav.samples.push_back(
            static_cast<int16_t>(std::lround(level * 32767 * std::sin(2 * M_PI * hz * t))));
    }
    return midi::writeWav(path, wav);
}

TEST_F(ScriptCommand, SingsARecordingBesideTheScript) {
    ASSERT_TRUE(
        writeTone(folder.filePath(QStringLiteral("a1.wav")), 110.0 * std::pow(2.0, 0.1 / 12)));
    // The first question is middle C: an A sung is wrong.
    EXPECT_EQ(run(QStringLiteral("wait 100\nsing a1.wav\nsing a1.wav\n")), 0) << err.toStdString();
    QStringList heard;
    for (const QString& line : transcript())
        if (line.contains(QLatin1String(" heard ")))
            heard << line;
    ASSERT_EQ(heard.size(), 2) << out.toStdString();
    const int first = heard[0].section(QLatin1Char(' '), 0, 0).toInt();
    const int second = heard[1].section(QLatin1Char(' '), 0, 0).toInt();
    EXPECT_EQ(heard[0].section(QLatin1Char(' '), 1), QStringLiteral("heard A1 10"));
    // Each after its silence: the second recording begins where the first ends, a second later.
    EXPECT_GT(first, 300);
    EXPECT_GT(second, 1100 + 200);
    EXPECT_LT(second, 1100 + 1000);
    expectInOrder({heard[0], heard[0].section(QLatin1Char(' '), 0, 0) +
                                 QStringLiteral(" field AnsShow \"Please play second note.\"")});

    // What cannot be sung stops the script.
    err.clear();
    EXPECT_EQ(run(QStringLiteral("sing\n")), 2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 1: sing needs a WAV recording: sing");
    err.clear();
    EXPECT_EQ(run(QStringLiteral("wait 10\nsing missing.wav\n")), 2);
    EXPECT_TRUE(err.startsWith("tonewise: line 2: ")) << err.toStdString();
    QFile text(folder.filePath(QStringLiteral("text.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a recording\n");
    text.close();
    err.clear();
    EXPECT_EQ(run(QStringLiteral("sing text.wav\n")), 2);
    EXPECT_TRUE(err.startsWith("tonewise: line 1: ")) << err.toStdString();
}

TEST_F(ScriptCommand, RefusesAHiddenKey) {
    EXPECT_EQ(run(QStringLiteral("menu Practice Intervals? > Intervals\nwait 700\nkey F1\n")), 2);
    EXPECT_TRUE(err.contains("line 3: the key F1 is hidden")) << err.toStdString();
}

// A script is read from an ordinary file of sane size, or from standard input, never without
// end from a device or a pipe that nobody writes to.
class ScriptSources : public ScriptCommand {
protected:
    int runFrom(const QString& path) {
        out.clear();
        err.clear();
        QTextStream outStream(&out), errStream(&err);
        const int status = runScriptCommand(
            {QStringLiteral("--script"), path, QStringLiteral("--scores"), folder.path()},
            outStream, errStream);
        errStream.flush();
        return status;
    }
    QString write(const QString& name, const QByteArray& contents) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }
};

TEST_F(ScriptSources, OnlyOrdinaryFilesAreRead) {
    const QString link = folder.filePath(QStringLiteral("Z.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const QString pipe = folder.filePath(QStringLiteral("F.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), link, pipe, folder.path()}) {
        EXPECT_EQ(runFrom(path), 2) << path.toStdString();
        EXPECT_EQ(
            err.trimmed(),
            QStringLiteral("tonewise: cannot read the script %1: not an ordinary file").arg(path));
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_EQ(runFrom(folder.filePath(QStringLiteral("none.txt"))), 2);
    EXPECT_TRUE(err.contains("No such file")) << err.toStdString();
}

TEST_F(ScriptSources, ALongScriptOrLineIsRefused) {
    // Lines of 4001 bytes: the 1049th goes beyond 4 MiB.
    EXPECT_EQ(runFrom(write(QStringLiteral("long.txt"),
                            ("# " + QByteArray(3998, 'x') + "\n").repeated(1100))),
              2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 1049: the script is longer than 4 MiB");

    EXPECT_EQ(runFrom(write(QStringLiteral("wide.txt"),
                            "wait 1\n# " + QByteArray(5000, 'x') + "\nwait 1\n")),
              2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 2: the line is longer than 4096 characters");
    // The longest line there may be, with or without its line break.
    EXPECT_EQ(runFrom(write(QStringLiteral("widest.txt"),
                            "# " + QByteArray(4094, 'x') + "\n# " + QByteArray(4094, 'x'))),
              0)
        << err.toStdString();
}

TEST_F(ScriptSources, StandardInputIsReadLineByLine) {
    const int saved = ::dup(STDIN_FILENO);
    const auto readFrom = [this](const QString& path) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        ::dup2(fd, STDIN_FILENO);
        ::close(fd);
        return runFrom(QStringLiteral("-"));
    };
    EXPECT_EQ(readFrom(write(QStringLiteral("in.txt"), "wait 20\nkey C3\n")), 0)
        << err.toStdString();
    EXPECT_TRUE(out.contains("20 field AnsShow \"That is correct: C3\"")) << out.toStdString();
    EXPECT_EQ(readFrom(QStringLiteral("/dev/zero")), 2);
    EXPECT_EQ(err.trimmed(), "tonewise: line 1: the line is longer than 4096 characters");
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
}

} // namespace
} // namespace tonewise
