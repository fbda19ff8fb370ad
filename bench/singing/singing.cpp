// Measures how well sung notes are heard: the accuracy over every voice range, clean and in a
// noisy room, how soon a steady note is answered, how often anything that is not singing is
// taken for a note, and what listening costs. Prints readable lines, then one JSON line. It
// never fails on a figure.
#include "BenchSupport.h"
#include "HearingLog.h"
#include "OtherSounds.h"
#include "SingingTakes.h"
#include "SoundMix.h"
#include "VoiceRanges.h"

#include "CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

using recordings::HearingLog;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Listening's cost: the analyser's processor time against the length of the sound it heard.
struct Cost {
    double cpuSeconds = 0;
    double soundSeconds = 0;
    double percentOfCore() const { return soundSeconds > 0 ? 100 * cpuSeconds / soundSeconds : 0; }
};

HearingLog hearCounting(std::span<const float> mono, int sampleRate, Cost& cost) {
    const double before = threadSeconds();
    HearingLog log = recordings::hear(mono, sampleRate);
    cost.cpuSeconds += threadSeconds() - before;
    cost.soundSeconds += double(mono.size()) / sampleRate;
    return log;
}

struct Condition {
    const char* name;
    double snrDb; // infinite: clean
    singingbench::Score total;
};

void add(singingbench::Score& into, const singingbench::Score& score) {
    into.notes += score.notes;
    into.right += score.right;
    into.extra += score.extra;
    into.latenciesMs.insert(into.latenciesMs.end(), score.latenciesMs.begin(),
                            score.latenciesMs.end());
    into.centsErrors.insert(into.centsErrors.end(), score.centsErrors.begin(),
                            score.centsErrors.end());
}

double accuracy(const singingbench::Score& s) {
    return s.notes ? double(s.right) / s.notes : 0.0;
}

double absMax(const std::vector<double>& values) {
    double worst = 0;
    for (double v : values)
        worst = std::max(worst, std::fabs(v));
    return worst;
}

// A minute of what is not singing: silence, a room's noise and speech, a third each.
int falseAnswersInAMinute(int rate, Cost& cost, bool& espeak) {
    const QString text = QStringLiteral(
        "Good morning everyone. Today we will practise intervals and then we will sing the "
        "scale together. Please open your books at page twelve and listen to the first "
        "example before you answer. Remember to breathe before each phrase.");
    std::vector<float> minute = recordings::silence(20, rate);
    const std::vector<float> room = recordings::roomNoise(20, rate, 0.01, 11);
    minute.insert(minute.end(), room.begin(), room.end());
    int heard = static_cast<int>(hearCounting(minute, rate, cost).notes.size());
    const recordings::Spoken spoken = recordings::spokenByEspeak(text);
    espeak = !spoken.samples.empty();
    double spokenSeconds = 0;
    if (espeak) {
        spokenSeconds = std::min(10.0, double(spoken.samples.size()) / spoken.sampleRate);
        const auto frames = static_cast<std::size_t>(spokenSeconds * spoken.sampleRate);
        heard += static_cast<int>(
            hearCounting(std::span(spoken.samples).first(frames), spoken.sampleRate, cost)
                .notes.size());
    }
    const double synthetic = (20 - spokenSeconds) / 2;
    for (const bool female : {false, true})
        heard += static_cast<int>(
            hearCounting(recordings::speech(synthetic, rate, female, female ? 5 : 6), rate, cost)
                .notes.size());
    return heard;
}

struct OtherNegatives {
    int breathing = 0, clicks = 0, slides = 0;
};

OtherNegatives otherNegatives(int rate, Cost& cost) {
    OtherNegatives found;
    found.breathing =
        static_cast<int>(hearCounting(recordings::breathing(30, rate, 3), rate, cost).notes.size());
    found.clicks =
        static_cast<int>(hearCounting(recordings::clicks(30, rate, 4), rate, cost).notes.size());
    for (int i = 0; i < 20; ++i) {
        const double from = 45 + (i * 5) % 30;
        const double to = from + (i % 2 ? 1 : -1) * (2 + i % 6);
        std::vector<float> sound = recordings::silence(0.3, rate);
        const std::vector<float> glide =
            recordings::slide(from, to, 0.3 + 0.03 * (i % 10), rate, i % 2 == 0, 100 + i);
        sound.insert(sound.end(), glide.begin(), glide.end());
        found.slides += static_cast<int>(hearCounting(sound, rate, cost).notes.size());
    }
    return found;
}

} // namespace

namespace {

struct Options {
    int notes = 24;
    qulonglong seed = 1;
    QString keep;
    bool verbose = false;
};

// Reads the options; nothing after writing why the command line is wrong.
std::optional<Options> readOptions(const CommandLine& line, QString& why) {
    Options options;
    bool ok = true;
    if (line.isSet(QStringLiteral("notes")))
        options.notes = line.value(QStringLiteral("notes")).toInt(&ok);
    if (!ok || options.notes < 24 || options.notes > 1000) {
        why = QStringLiteral("--notes takes a number from 24 to 1000");
        return std::nullopt;
    }
    if (line.isSet(QStringLiteral("seed")))
        options.seed = line.value(QStringLiteral("seed")).toULongLong(&ok);
    if (!ok) {
        why = QStringLiteral("--seed takes a whole number");
        return std::nullopt;
    }
    options.keep = line.value(QStringLiteral("keep"));
    options.verbose = line.isSet(QStringLiteral("verbose"));
    return options;
}

// Sings every range's take, clean and with the room's noise, and scores what is heard. False
// when the synthesizer cannot sing.
bool measureTakes(const Options& options, std::array<Condition, 3>& conditions, Cost& cost) {
    for (const recordings::VoiceRange& range : recordings::VoiceRanges) {
        QString error;
        const singingbench::Take take =
            singingbench::singTake(range, options.notes, options.seed, &error);
        if (take.samples.empty()) {
            std::printf("the synthesizer cannot sing: %s\n", qPrintable(error));
            return false;
        }
        const std::vector<float> room = recordings::roomNoise(
            double(take.samples.size()) / take.sampleRate, take.sampleRate, 0.01, options.seed + 7);
        for (Condition& condition : conditions) {
            const std::vector<float> sound =
                std::isinf(condition.snrDb)
                    ? take.samples
                    : recordings::withNoise(take.samples, take.singingRms, room, condition.snrDb);
            if (!options.keep.isEmpty())
                recordings::writeMonoWav(
                    QDir(options.keep)
                        .filePath(QStringLiteral("%1-%2.wav")
                                      .arg(range.name, QString(condition.name).remove(' '))),
                    sound, take.sampleRate);
            std::vector<QString> misses;
            const singingbench::Score score =
                singingbench::judge(take, hearCounting(sound, take.sampleRate, cost), &misses);
            std::printf("%-8s %-6s %3d of %3d right, %d extra\n", range.name, condition.name,
                        score.right, score.notes, score.extra);
            for (const QString& miss : options.verbose ? misses : std::vector<QString>())
                std::printf("    %s\n", qPrintable(miss));
            add(condition.total, score);
        }
    }
    return true;
}

void report(const std::array<Condition, 3>& conditions, int falseAnswers, bool espeak,
            const OtherNegatives& others, const Cost& cost) {
    const singingbench::Score& clean = conditions[0].total;
    const bench::Summary latency = bench::summarise(clean.latenciesMs);
    std::vector<double> centsOff;
    for (const double c : clean.centsErrors)
        centsOff.push_back(std::fabs(c));
    std::printf("accuracy: clean %.3f, 20 dB %.3f, 10 dB %.3f\n", accuracy(clean),
                accuracy(conditions[1].total), accuracy(conditions[2].total));
    std::printf("answer after the note's start (clean): median %.0f ms, %.0f to %.0f ms\n",
                latency.median, latency.min, latency.max);
    std::printf("cents off the truth (clean, synthetic voice): median %.1f, worst %.1f\n",
                bench::summarise(centsOff).median, absMax(clean.centsErrors));
    std::printf("false answers in a minute of silence, room noise and speech%s: %d\n",
                espeak ? " (half of it espeak-ng)" : "", falseAnswers);
    std::printf("also heard as notes: breathing (30 s) %d, clicks (30 s) %d, slides (20) %d\n",
                others.breathing, others.clicks, others.slides);
    std::printf("listening costs %.2f %% of a core (%.0f s of sound in %.2f s)\n",
                cost.percentOfCore(), cost.soundSeconds, cost.cpuSeconds);
    std::printf("{\"notes\": %d, \"accuracy_clean\": %.4f, \"accuracy_20db\": %.4f, "
                "\"accuracy_10db\": %.4f, \"median_answer_latency_ms\": %.1f, "
                "\"false_answers_per_minute\": %d, \"cpu_percent_of_core\": %.3f}\n",
                clean.notes, accuracy(clean), accuracy(conditions[1].total),
                accuracy(conditions[2].total), latency.median, falseAnswers, cost.percentOfCore());
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    CommandLine line(QStringLiteral("singing"),
                     QStringLiteral("Measures how well sung notes are heard: every voice range, "
                                    "clean and in a noisy room, how soon a note is answered, what "
                                    "else is taken for a note, and what listening costs. Prints "
                                    "its figures, then one JSON line."));
    line.addUsage(QStringLiteral("[--notes N] [--seed S] [--keep DIR] [--verbose]"));
    line.addOption({QStringLiteral("notes"),
                    QStringLiteral("Notes per voice range, 24 to 1000 (default 24)."),
                    QStringLiteral("N")});
    line.addOption({QStringLiteral("seed"),
                    QStringLiteral("The seed of the recordings (default 1)."),
                    QStringLiteral("S")});
    line.addOption({QStringLiteral("keep"),
                    QStringLiteral("Writes the recordings into DIR as WAV files."),
                    QStringLiteral("DIR")});
    line.addOption(
        {QStringLiteral("verbose"), QStringLiteral("Lists every note not heard right.")});
    line.addExitStatus(0, QStringLiteral("the figures were printed"));
    line.addExitStatus(CommandLine::UsageError, QStringLiteral("the command line is wrong"));
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    QString why;
    const std::optional<Options> read = readOptions(line, why);
    if (!read)
        return line.fail(err, why);
    const Options& options = *read;
    QCoreApplication app(argc, argv);
    if (!options.keep.isEmpty())
        QDir().mkpath(options.keep);
    std::array<Condition, 3> conditions{Condition{"clean", INFINITY, {}},
                                        Condition{"20 dB", 20, {}}, Condition{"10 dB", 10, {}}};
    Cost cost;
    if (!measureTakes(options, conditions, cost)) {
        std::printf("{\"error\": \"no synthesizer\"}\n");
        return 0;
    }
    bool espeak = false;
    const int falseAnswers = falseAnswersInAMinute(48000, cost, espeak);
    report(conditions, falseAnswers, espeak, otherNegatives(48000, cost), cost);
    return 0;
}
