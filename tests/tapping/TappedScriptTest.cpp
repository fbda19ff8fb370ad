// Tapped and clapped answers through the script runner: the question a script draws is tapped
// back with a steady lead or lag, a tap left out or one too many, or clapped into a recording,
// and the row, the score and the strip's marks are read from the transcript.
#include "ClapListening.h"
#include "RhythmCatalogue.h"
#include "RhythmScriptCommand.h"
#include "TapGrid.h"
#include "TapPerformance.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Row = TapPerformance::Row;

struct ScriptResult {
    int status = -1;
    QString transcript;
    QString error;

    // The last line that begins with `what` (after its time), without it.
    QString last(const QString& what) const {
        QString found;
        for (const QString& line : transcript.split(QLatin1Char('\n'))) {
            const QString rest = line.section(QLatin1Char(' '), 1);
            if (rest.startsWith(what + QLatin1Char(' ')))
                found = rest.mid(what.size() + 1);
        }
        return found;
    }
    QStringList tappedLines() const {
        QStringList lines;
        for (const QString& line : transcript.split(QLatin1Char('\n')))
            if (line.section(QLatin1Char(' '), 1, 1) == QLatin1String("tapped"))
                lines << line.section(QLatin1Char(' '), 2);
        return lines;
    }
};

class ScriptRunner {
public:
    ScriptResult run(const QString& script) {
        const QString path = dir_.filePath(QStringLiteral("lesson.script"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(script.toUtf8());
        file.close();
        ScriptResult result;
        QTextStream out(&result.transcript), err(&result.error);
        result.status =
            runRhythmScriptCommand({QStringLiteral("--script"), path, QStringLiteral("--scores"),
                                    dir_.filePath(QStringLiteral("scores"))},
                                   out, err);
        out.flush();
        err.flush();
        return result;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QString letters(const Row& row) {
    QStringList names;
    for (int p : row)
        names << (p < 0 ? QStringLiteral("-") : RhythmCatalogue::buttonName(p));
    return names.join(QLatin1Char(' '));
}

Row rowOf(const QString& text) {
    Row row{};
    const QStringList names = text.split(QLatin1Char(' '));
    for (std::size_t beat = 0; beat < row.size(); ++beat) {
        row[beat] = -1;
        for (int p = 0; p < RhythmCatalogue::kSimplePatterns; ++p)
            if (names.value(static_cast<int>(beat)) == RhythmCatalogue::buttonName(p))
                row[beat] = p;
    }
    return row;
}

QString tapLine(const std::vector<double>& taps) {
    QStringList times;
    for (double t : taps)
        times << QString::number(std::lround(std::max(0.0, t)));
    return QStringLiteral("tap ") + times.join(QLatin1Char(' ')) + QLatin1Char('\n');
}

// The start of a lesson: the level and tempo chosen and a question heard through.
QString lesson(const QString& level, int tempo, const QString& meter = QStringLiteral("Simple")) {
    return QStringLiteral("menu Rhythm Patterns > %1 > %2 patterns\ntempo %3\nyes\n"
                          "button Next Question\nwait 20000\n")
        .arg(meter, level)
        .arg(tempo);
}

// The question the lesson draws: the same lesson, checked at once.
Row questionOf(ScriptRunner& runner, const QString& start) {
    const ScriptResult drawn = runner.run(start + QStringLiteral("button Check Answer\n"));
    EXPECT_EQ(drawn.status, 0) << drawn.error.toStdString();
    return rowOf(drawn.last(QStringLiteral("question")));
}

QString tappedAndChecked(const QString& start, const QString& taps) {
    return start + QStringLiteral("button Tap the Rhythm\n") + taps +
           QStringLiteral("wait 30000\nbutton Check Answer\n");
}

} // namespace

// A steady lag or lead of the whole performance, with a human spread, at slow and fast tempi
// and on a level with sixteenths: every beat is written right, the row fills beat by beat, the
// answer scores as a clicked one and every tap is marked against the rhythm.
TEST(TappedScript, SteadyLagOrLeadIsWrittenRight) {
    ScriptRunner runner;
    std::mt19937_64 random(5);
    for (const auto& [tempo, lag] : {std::pair{48, 70.0}, {96, -45.0}, {72, 30.0}}) {
        const QString start = lesson(QStringLiteral("9"), tempo);
        const Row question = questionOf(runner, start);
        const TapGrid grid = TapGrid::forQuestion(Meter::Simple, tempo);
        const std::vector<double> taps = TapPerformance::performed(grid, question, 20, random, lag);
        const ScriptResult run = runner.run(tappedAndChecked(start, tapLine(taps)));
        ASSERT_EQ(run.status, 0) << run.error.toStdString();
        const QStringList tapped = run.tappedLines();
        ASSERT_EQ(tapped.size(), 7) << run.transcript.toStdString();
        for (int beat = 0; beat < 7; ++beat)
            EXPECT_EQ(tapped[beat], QStringLiteral("%1 %2").arg(beat + 1).arg(
                                        RhythmCatalogue::buttonName(question[std::size_t(beat)])));
        EXPECT_EQ(run.last(QStringLiteral("field Score")), QStringLiteral("\"100.00%\""));
        EXPECT_EQ(run.last(QStringLiteral("row")), letters(question));
        const QString marks = run.last(QStringLiteral("taps"));
        EXPECT_TRUE(marks.endsWith(QStringLiteral("extra 0 missed 0"))) << marks.toStdString();
        // Each tap clicks once.
        EXPECT_EQ(run.transcript.count(QStringLiteral(" midi 153 37 100")), int(taps.size()));
    }
}

// A note left out spoils its own beat only; a stray tap between notes, or none at all in a beat,
// leaves the other beats right. A beat without a tap stays empty.
TEST(TappedScript, MissingExtraAndAbsentTapsSpoilOnlyTheirBeat) {
    ScriptRunner runner;
    const QString start = lesson(QStringLiteral("15"), 60);
    const Row question = questionOf(runner, start);
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 60);
    std::mt19937_64 random(9);
    std::vector<double> taps = TapPerformance::performed(grid, question, 15, random, 25);

    // The last beat is not tapped at all.
    const double lastBeat = grid.firstBeatMs + 6 * grid.beatMs;
    std::erase_if(taps, [&](double t) { return t >= lastBeat - 100; });
    // A note of a beat with more than one note is left out.
    int thinned = -1;
    for (int beat = 0; beat < 6 && thinned < 0; ++beat) {
        const double from = grid.firstBeatMs + beat * grid.beatMs - 100;
        const auto inBeat = std::count_if(taps.begin(), taps.end(), [&](double t) {
            return t >= from && t < from + grid.beatMs;
        });
        if (inBeat >= 2) {
            thinned = beat;
            taps.erase(std::find_if(taps.begin(), taps.end(),
                                    [&](double t) { return t >= from && t < from + grid.beatMs; }) +
                       1);
        }
    }
    ASSERT_GE(thinned, 0);
    const ScriptResult run = runner.run(tappedAndChecked(start, tapLine(taps)));
    ASSERT_EQ(run.status, 0) << run.error.toStdString();
    const Row written = rowOf(run.last(QStringLiteral("row")).remove(QLatin1Char('!')));
    for (int beat = 0; beat < 6; ++beat)
        if (beat != thinned)
            EXPECT_EQ(written[std::size_t(beat)], question[std::size_t(beat)]) << beat;
    EXPECT_NE(written[std::size_t(thinned)], question[std::size_t(thinned)]);
    EXPECT_EQ(written[6], -1);
    EXPECT_EQ(run.tappedLines().last(), QStringLiteral("7 -"));
    EXPECT_TRUE(run.last(QStringLiteral("taps")).contains(QStringLiteral("extra 0")));

    // The same performance with a stray tap half-way between two beats' notes.
    std::vector<double> stray = TapPerformance::performed(grid, question, 15, random, 25);
    stray.push_back(grid.firstBeatMs + 3 * grid.beatMs + 0.375 * grid.beatMs);
    std::sort(stray.begin(), stray.end());
    const ScriptResult strayRun = runner.run(tappedAndChecked(start, tapLine(stray)));
    const Row strayRow = rowOf(strayRun.last(QStringLiteral("row")).remove(QLatin1Char('!')));
    int right = 0;
    for (std::size_t beat = 0; beat < 7; ++beat)
        right += strayRow[beat] == question[beat] ? 1 : 0;
    EXPECT_GE(right, 6) << strayRun.transcript.toStdString();
}

// Taps along with the count-in are no part of the answer: the row and the strip leave them out.
TEST(TappedScript, TapsAlongWithTheCountInAreLeftOut) {
    ScriptRunner runner;
    const QString start = lesson(QStringLiteral("6"), 60);
    const Row question = questionOf(runner, start);
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 60);
    std::mt19937_64 random(13);
    std::vector<double> taps = TapPerformance::performed(grid, question, 15, random);
    for (double countIn : {0.0, grid.beatMs / 2, grid.beatMs})
        taps.insert(taps.begin(), countIn);
    const ScriptResult run = runner.run(tappedAndChecked(start, tapLine(taps)));
    ASSERT_EQ(run.status, 0) << run.error.toStdString();
    EXPECT_EQ(run.last(QStringLiteral("row")), letters(question));
    const QString marks = run.last(QStringLiteral("taps"));
    EXPECT_TRUE(marks.contains(QStringLiteral("extra 0 missed 0"))) << marks.toStdString();
}

// Taps before "Tap the Rhythm", or for an old question, count for nothing; a new question ends
// the tapping and its strip.
TEST(TappedScript, TapsCountOnlyWhileTapping) {
    ScriptRunner runner;
    const QString start = lesson(QStringLiteral("3"), 72);
    const ScriptResult early = runner.run(start + QStringLiteral("tap 10 20 30\nwait 100\n"));
    ASSERT_EQ(early.status, 0);
    EXPECT_TRUE(early.tappedLines().isEmpty());
    EXPECT_FALSE(early.transcript.contains(QStringLiteral("midi 153 37")));

    const ScriptResult renewed =
        runner.run(start + QStringLiteral("button Tap the Rhythm\ntap 2000\n"
                                          "wait 500\nyes\nbutton Next Question\n"
                                          "wait 30000\n"));
    ASSERT_EQ(renewed.status, 0) << renewed.error.toStdString();
    EXPECT_TRUE(renewed.tappedLines().isEmpty()) << renewed.transcript.toStdString();
}

// Before the first question there is nothing to tap; the lines' mistakes stop the script.
TEST(TappedScript, MistakesInTapLinesStopTheScript) {
    ScriptRunner runner;
    const ScriptResult noQuestion = runner.run(QStringLiteral("button Tap the Rhythm\n"));
    EXPECT_EQ(noQuestion.status, 2);
    EXPECT_TRUE(noQuestion.error.contains(QStringLiteral("disabled")))
        << noQuestion.error.toStdString();
    for (const char* line :
         {"tap", "tap 10 x", "tap -5", "tap 99999999999", "clap", "clap no-such-recording.wav"}) {
        const ScriptResult wrong = runner.run(QString::fromLatin1(line) + QLatin1Char('\n'));
        EXPECT_EQ(wrong.status, 2) << line;
        EXPECT_TRUE(wrong.error.contains(QStringLiteral("line 1:"))) << wrong.error.toStdString();
    }
}

// Rows clapped into recordings, heard by the onset detector as the microphone would deliver
// them: the synthesizer's hand clap, and claps of noise in a room with a noise floor.
TEST(ClappedScript, RecordingsOfClapsAreWrittenRight) {
    ScriptRunner runner;
    std::mt19937_64 random(21);
    int right = 0, beats = 0;
    for (const auto& [sound, meter, level, tempo] :
         {std::tuple{ClapListening::Sound::Synthesizer, Meter::Simple, 8, 60},
          {ClapListening::Sound::Synthetic, Meter::Simple, 12, 48},
          {ClapListening::Sound::Synthetic, Meter::Compound, 7, 84}}) {
        const QString start =
            lesson(QString::number(level), tempo,
                   meter == Meter::Simple ? QStringLiteral("Simple") : QStringLiteral("Compound"));
        const Row question = questionOf(runner, start);
        const TapGrid grid = TapGrid::forQuestion(meter, tempo);
        Recording recording = ClapListening::clappedRow(sound, grid, question, 0, random);
        if (recording.samples.empty())
            GTEST_SKIP() << "the synthesizer cannot render";
        if (sound == ClapListening::Sound::Synthetic)
            ClapRecordings::addRoomNoise(recording, -50, random);
        const QString wav = runner.path(QStringLiteral("claps.wav"));
        ASSERT_TRUE(ClapRecordings::writeWav(recording, wav));
        const ScriptResult run =
            runner.run(tappedAndChecked(start, QStringLiteral("clap %1\n").arg(wav)));
        ASSERT_EQ(run.status, 0) << run.error.toStdString();
        const Row written = rowOf(run.last(QStringLiteral("row")).remove(QLatin1Char('!')));
        right += TapPerformance::beatsRight(question, written);
        beats += 7;
        // Claps are heard, not clicked.
        EXPECT_FALSE(run.transcript.contains(QStringLiteral("midi 153 37")));
    }
    EXPECT_GE(right, beats - 1) << right << " of " << beats;
}
