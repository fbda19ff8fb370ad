#include "StepsCommand.h"

#include <QTextStream>
#include <gtest/gtest.h>

using namespace tonewise;

namespace {

struct StepsRun {
    int status = -1;
    QString out;
    QString err;
};

StepsRun steps(const QStringList& arguments) {
    StepsRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runStepsCommand(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

} // namespace

TEST(StepsCommand, PrintsTheStepListAndTheAskedNotes) {
    const StepsRun run = steps({"--steps", "F# Minor", "1-8 + Parallel 3,6"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "F#3 G#3 A3 B3 C#4 D4 E#4 F#4 A#3 D#4 E#3 D3 C#3 D#3 E4 E3\n"
                       "F#3 66 16\n"
                       "G#3 68 12\n"
                       "A3 69 8\n"
                       "B3 71 4\n"
                       "C#4 73 0\n"
                       "D4 74 -4\n"
                       "E#4 77 -8\n"
                       "F#4 78 -12\n"
                       "A#3 70 8\n"
                       "D#4 75 -4\n");
}

TEST(StepsCommand, LowerPlaysAndWritesEveryNoteAnOctaveDown) {
    const StepsRun run = steps({"--steps", "F# Minor", "1-8 + Parallel 3,6", "--lower"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "F#3 G#3 A3 B3 C#4 D4 E#4 F#4 A#3 D#4 E#3 D3 C#3 D#3 E4 E3\n"
                       "F#2 54 44\n"
                       "G#2 56 40\n"
                       "A2 57 36\n"
                       "B2 59 32\n"
                       "C#3 61 28\n"
                       "D3 62 24\n"
                       "E#3 65 20\n"
                       "F#3 66 16\n"
                       "A#2 58 36\n"
                       "D#3 63 24\n");
}

TEST(StepsCommand, DbMajorKeepsTheStartUpParallelColumns) {
    const StepsRun run = steps({"--steps", "db major", "1,2,3,4,5,6,7,8"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("Db3 Eb3 F3 Gb3 Ab3 Bb3 C4 Db4 C3 Bb2 Ab2 Eb3 Ab3 Ab2 Bb3 Bb2\n"
                                   "Db3 61 24\n"));
    EXPECT_EQ(run.out.count('\n'), 9);
}

TEST(StepsCommand, ParallelLevelsPlayGbMajorAsFsharpMajor) {
    const StepsRun run = steps({"--steps", "Gb Major", "5-1-8 + Parallel 3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "F# Major/minor is the enharmonic equivalent of Gb Major/minor without "
                       "double flats.\n");
    EXPECT_TRUE(run.out.startsWith("F#3 G#3 A#3 B3 C#4 D#4 E#4 F#4 E#3 D#3 C#3 A3 D4 D3 E4 E3\n"));
    EXPECT_EQ(run.out.count('\n'), 13);
}

TEST(StepsCommand, WrongCommandLinesExitWithStatusTwo) {
    const StepsRun unknownKey = steps({"--steps", "H Major", "1,3,5"});
    EXPECT_EQ(unknownKey.status, 2);
    EXPECT_EQ(unknownKey.out, "");
    EXPECT_TRUE(unknownKey.err.startsWith("Unknown key \"H Major\""));
    EXPECT_TRUE(unknownKey.err.contains("F# Minor"));

    const StepsRun unknownLevel = steps({"--steps", "C Major", "1,3"});
    EXPECT_EQ(unknownLevel.status, 2);
    EXPECT_TRUE(unknownLevel.err.startsWith("Unknown scale-step level \"1,3\""));

    for (const QStringList& arguments : {QStringList{"--steps"}, QStringList{"--steps", "C Major"},
                                         QStringList{"--steps", "C Major", "1,3,5", "extra"}}) {
        const StepsRun run = steps(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.startsWith("tonewise: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith("; see 'tonewise --help'\n")) << run.err.toStdString();
    }
}
