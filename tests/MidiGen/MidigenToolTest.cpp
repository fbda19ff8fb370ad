// The midigen command: its printed lists, exit statuses, and the timing of what it renders.

#include "WavFile.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun midigen(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(MIDIGEN_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// The rhythm trainer's question at tempo 60 in the simple meter: two count-in clicks, the
// timbale, seven quarter-note beats alternating low and high conga, the closing tom.
// `silenced` replaces one note's key by 127, which a General MIDI kit does not sound.
QString rhythmQuestion(int silenced = -1) {
    QStringList keys = {"50", "50", "65", "64", "63", "64", "63", "64", "63", "64", "48"};
    if (silenced >= 0)
        keys[silenced] = "127";
    QString text =
        QStringLiteral("N%1;50, 50;N%2;50, 50;N%3;100, 100;").arg(keys[0], keys[1], keys[2]);
    for (int beat = 3; beat <= 9; ++beat)
        text += QStringLiteral("N%1;100,100;").arg(keys[beat]);
    text += QStringLiteral("N%1;100, 100;").arg(keys[10]);
    return text;
}

} // namespace

TEST(MidigenTool, PrintsTheEventList) {
    const ToolRun run = midigen({"events", "0;I5;20,C;10,20;E-,A+3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0 6 5 0\n"
                       "0 8 48 0\n"
                       "10 9 48 0\n"
                       "20 8 51 0\n"
                       "30 9 51 0\n"
                       "40 8 46 0\n"
                       "50 9 46 0\n"
                       "bend-eligible false\n");

    // Options are clamped like the player's properties: octave 10, channel 3 (zero-based 2).
    const ToolRun chord = midigen({"events", "--octave", "99", "--channel=3", "c;30,d+"});
    EXPECT_EQ(chord.out, "0 8 120 2\n"
                         "0 8 123 2\n"
                         "30 9 120 2\n"
                         "30 9 123 2\n"
                         "bend-eligible true\n");

    const ToolRun clap = midigen({"events", "--instrument", "mgHandClap", "--duration", "7", "N1"});
    EXPECT_EQ(clap.out, "0 8 132 9\n7 9 132 9\nbend-eligible true\n");
}

TEST(MidigenTool, PrintsTheStreamBuffer) {
    const ToolRun run = midigen({"stream", "--channel", "10", "--volume", "50", "N64;10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0 0 1073772985\n"
                       "0 0 31161\n"
                       "0 0 25785\n"
                       "0 0 26041\n"
                       "0 0 788153\n"
                       "0 0 8348857\n"
                       "0 0 8349113\n"
                       "0 0 4197049\n"
                       "0 0 4197049\n"
                       "0 0 441\n"
                       "0 0 4130745\n"
                       "0 0 4130745\n"
                       "0 0 16569\n"
                       "0 0 23481\n"
                       "0 0 23993\n"
                       "0 0 201\n"
                       "0 0 8339609\n"
                       "10 0 16537\n");

    // A bend glides a single note: 5 steps of 1638 over its 5 ticks.
    const ToolRun bend = midigen({"stream", "--pitchbend", "500", "C;5"});
    const std::string tail = bend.out.substr(bend.out.find("\n0 0 8335504\n") + 13);
    EXPECT_EQ(tail, "1 0 5007072\n1 0 5852384\n1 0 6697696\n1 0 7543008\n1 0 8355552\n5 0 12432\n");
}

TEST(MidigenTool, ExitStatuses) {
    const ToolRun none = midigen({"events", "30"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_NE(none.err.find("no event"), std::string::npos);
    EXPECT_EQ(midigen({"stream", "00;N60;00, "}).status, 1);

    for (const QStringList& wrong :
         {QStringList{}, QStringList{"play", "C"}, QStringList{"events"},
          QStringList{"events", "--tempo", "5", "C"}, QStringList{"events", "C", "D"},
          QStringList{"events", "--volume", "loud", "C"}, QStringList{"render", "C"},
          QStringList{"events", "-o", "x.wav", "C"}, QStringList{"events", "C", "--octave"}}) {
        const ToolRun run = midigen(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        if (wrong.isEmpty()) {
            EXPECT_EQ(run.err.find("Usage: midigen"), 0u) << "alone, it shows its options";
        } else {
            EXPECT_EQ(run.err.find("midigen: "), 0u) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
            EXPECT_NE(run.err.find("see 'midigen --help'"), std::string::npos);
        }
    }

    QTemporaryDir dir;
    EXPECT_EQ(midigen({"render", "--loops", "0", "C", "-o", dir.filePath("x.wav")}).status, 2);
}

// Renders the question once whole and once with each note silenced in turn; the first
// sample where the two differ is that note's onset.
TEST(MidigenTool, RenderedOnsetsFallOnTheirTicks) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wholePath = dir.filePath("whole.wav");
    const ToolRun whole = midigen({"render", "--channel", "10", rhythmQuestion(), "-o", wholePath});
    ASSERT_EQ(whole.status, 0) << whole.err;
    midi::WavData reference;
    ASSERT_TRUE(midi::readWav(wholePath, reference));
    ASSERT_EQ(reference.channels, 2);

    const std::vector<double> expected = {0, 0.5, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t note = 0; note < expected.size(); ++note) {
        const QString path = dir.filePath(QStringLiteral("without-%1.wav").arg(note));
        const ToolRun run = midigen(
            {"render", "--channel", "10", rhythmQuestion(static_cast<int>(note)), "-o", path});
        ASSERT_EQ(run.status, 0) << run.err;
        midi::WavData without;
        ASSERT_TRUE(midi::readWav(path, without));
        size_t frame = 0;
        const size_t frames = std::min(reference.frames(), without.frames());
        while (frame < frames && reference.samples[2 * frame] == without.samples[2 * frame] &&
               reference.samples[2 * frame + 1] == without.samples[2 * frame + 1])
            ++frame;
        ASSERT_LT(frame, frames) << "note " << note << " is not heard";
        const double onset = static_cast<double>(frame) / reference.sampleRate;
        EXPECT_NEAR(onset, expected[note], 0.0015) << "note " << note;
        std::printf("note %zu: onset %.5f s (tick time %.2f s)\n", note, onset, expected[note]);
    }
}
