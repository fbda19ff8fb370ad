// How well tapped answers are written as patterns: taps moved at random from where the rhythm
// puts them, and claps recorded through a noise floor and heard by the onset detector; and how
// soon a tap's click sounds after its key press, through a private sound server. Prints
// readable lines, then one JSON line. It never fails on a figure.
#include "BenchSupport.h"
#include "ClapListening.h"
#include "ClapRecordings.h"
#include "CommandLine.h"
#include "RhythmCatalogue.h"
#include "TapGrid.h"
#include "TapPerformance.h"
#include "TapToClick.h"

#include <QApplication>

#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <random>

namespace {

constexpr int kTempi[] = {30, 48, 72, 96};
constexpr double kLeadMs = 400; // each recording starts this long before its count-in

struct Options {
    int rows = 50;
    int clapRows = 3;
    int clickTaps = 24;
    unsigned long long seed = 1;
};

struct Tally {
    long right = 0;
    long beats = 0;
    double share() const { return beats ? double(right) / double(beats) : 0; }
    void add(const TapPerformance::Row& written, const TapPerformance::Row& heard) {
        right += TapPerformance::beatsRight(written, heard);
        beats += static_cast<long>(written.size());
    }
};

const char* meterName(Meter meter) {
    return meter == Meter::Simple ? "simple" : "compound";
}

// Every level of both meters at each tempo, each tap moved by up to ±jitterMs.
double tappedShare(double jitterMs, const Options& options, double* microsPerRow) {
    std::mt19937_64 random(options.seed);
    Tally all;
    QElapsedTimer timer;
    qint64 nanos = 0;
    for (Meter meter : {Meter::Simple, Meter::Compound}) {
        for (int tempo : kTempi) {
            Tally atTempo;
            const TapGrid grid = TapGrid::forQuestion(meter, tempo);
            for (int level = 3; level <= RhythmCatalogue::patternCount(meter); ++level) {
                for (int r = 0; r < options.rows; ++r) {
                    const auto row = TapPerformance::drawRow(meter, level, random);
                    const auto taps = TapPerformance::performed(grid, row, jitterMs, random);
                    timer.start();
                    const auto tapped = TapPerformance::transcribeLive(grid, level, taps);
                    nanos += timer.nsecsElapsed();
                    atTempo.add(row, tapped);
                }
            }
            if (atTempo.right < atTempo.beats)
                std::printf("  ±%.0f ms, %s meter, tempo %d: %ld of %ld beats right\n", jitterMs,
                            meterName(meter), tempo, atTempo.right, atTempo.beats);
            all.right += atTempo.right;
            all.beats += atTempo.beats;
        }
    }
    if (microsPerRow)
        *microsPerRow = nanos / 1000.0 / (all.beats / 7.0);
    return all.share();
}

struct Room {
    const char* name;
    double noiseDb;
    double humDb;
};

struct ClapFigures {
    Tally beats;
    long claps = 0, heard = 0, extra = 0;
    double worstErrorMs = 0;
    double audioMs = 0, listeningMs = 0;
};

void listenTo(const Recording& recording, const TapGrid& grid, int level,
              const TapPerformance::Row& row, ClapFigures& figures) {
    QElapsedTimer timer;
    timer.start();
    const auto heard = ClapListening::listen(recording);
    figures.listeningMs += timer.nsecsElapsed() / 1e6;
    figures.audioMs += recording.lengthMs();
    const auto match = ClapListening::match(recording, heard, 5);
    figures.claps += static_cast<long>(recording.onsetMs.size());
    figures.heard += match.found;
    figures.extra += match.extra;
    figures.worstErrorMs = std::max(figures.worstErrorMs, match.worstErrorMs);
    figures.beats.add(row, ClapListening::transcribe(heard, kLeadMs, grid, level));
}

// Rows clapped by the synthesizer's hand clap and by noise claps, at random levels of both
// meters, through two rooms.
ClapFigures clappedRows(const Options& options) {
    std::mt19937_64 random(options.seed + 1);
    const Room rooms[] = {{"quiet room", -55, -60}, {"noisy room", -45, -50}};
    ClapFigures all;
    for (const Room& room : rooms) {
        for (auto sound : {ClapListening::Sound::Synthesizer, ClapListening::Sound::Synthetic}) {
            ClapFigures part;
            for (Meter meter : {Meter::Simple, Meter::Compound}) {
                std::uniform_int_distribution<int> level(3, RhythmCatalogue::patternCount(meter));
                for (int tempo : kTempi) {
                    const TapGrid grid = TapGrid::forQuestion(meter, tempo);
                    for (int r = 0; r < options.clapRows; ++r) {
                        const int l = level(random);
                        const auto row = TapPerformance::drawRow(meter, l, random);
                        Recording recording =
                            ClapListening::clappedRow(sound, grid, row, kLeadMs, random);
                        ClapRecordings::addRoomNoise(recording, room.noiseDb, random);
                        ClapRecordings::addHum(recording, room.humDb);
                        listenTo(recording, grid, l, row, part);
                    }
                }
            }
            std::printf("  %s, %s claps: %ld of %ld claps heard (%ld extra, worst %.2f ms off), "
                        "%ld of %ld beats right\n",
                        room.name,
                        sound == ClapListening::Sound::Synthesizer ? "synthesizer" : "noise",
                        part.heard, part.claps, part.extra, part.worstErrorMs, part.beats.right,
                        part.beats.beats);
            all.beats.right += part.beats.right;
            all.beats.beats += part.beats.beats;
            all.claps += part.claps;
            all.heard += part.heard;
            all.extra += part.extra;
            all.worstErrorMs = std::max(all.worstErrorMs, part.worstErrorMs);
            all.audioMs += part.audioMs;
            all.listeningMs += part.listeningMs;
        }
    }
    return all;
}

// Onsets found per minute where nobody claps: a noisy room, and someone speaking.
double falseOnsetsPerMinute(const Options& options) {
    std::mt19937_64 random(options.seed + 2);
    Recording room = ClapRecordings::silence(60000);
    ClapRecordings::addRoomNoise(room, -40, random);
    ClapRecordings::addHum(room, -42);
    Recording speech = ClapRecordings::speechLike(60000, random);
    ClapRecordings::addRoomNoise(speech, -55, random);
    const auto inRoom = ClapListening::listen(room).size();
    const auto inSpeech = ClapListening::listen(speech).size();
    std::printf("  a minute of room noise: %zu onsets; a minute of speech: %zu onsets\n", inRoom,
                inSpeech);
    return (inRoom + inSpeech) / 2.0;
}

// Reads the options; nothing after writing why the command line is wrong.
// From a key press to its click's sound through a private sound server, over `taps` presses;
// -1 figures when it cannot be measured.
bench::Summary tapToClick(int taps, int argc, char** argv) {
    if (taps == 0)
        return {};
    if (!bench::hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString why;
    const std::vector<double> latencies = tapToClickMs(taps, why);
    if (latencies.empty()) {
        std::printf("tap to click: not measured (%s)\n", qPrintable(why));
        return {};
    }
    const bench::Summary s = bench::summarise(latencies);
    std::printf("key press to the click's sound at the sink: median %.2f ms, mean %.2f ms, "
                "max %.2f ms over %zu taps\n",
                s.median, s.mean, s.max, s.count);
    return s;
}

std::optional<Options> readOptions(const CommandLine& line, QString& why) {
    Options options;
    const auto count = [&](const QString& name, int& into) {
        if (!line.isSet(name))
            return true;
        bool ok = false;
        into = line.value(name).toInt(&ok);
        if (!ok || into < 0 || into > 10000) {
            why = QStringLiteral("--%1 takes a number from 0 to 10000").arg(name);
            return false;
        }
        return true;
    };
    if (!count(QStringLiteral("rows"), options.rows) ||
        !count(QStringLiteral("clap-rows"), options.clapRows) ||
        !count(QStringLiteral("click-taps"), options.clickTaps))
        return std::nullopt;
    if (line.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        options.seed = line.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) {
            why = QStringLiteral("--seed takes a whole number");
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    CommandLine line(QStringLiteral("tapping"),
                     QStringLiteral("Measures how well tapped rhythms are written as patterns: "
                                    "taps moved at random, and claps heard through a noise floor. "
                                    "Prints its figures, then one JSON line."));
    line.addUsage(QStringLiteral("[--rows N] [--clap-rows N] [--click-taps N] [--seed S]"));
    line.addOption({QStringLiteral("rows"),
                    QStringLiteral("Tapped rows per meter, level and tempo (default 50)."),
                    QStringLiteral("N")});
    line.addOption({QStringLiteral("clap-rows"),
                    QStringLiteral("Clapped rows per sound, meter, tempo and room (default 3)."),
                    QStringLiteral("N")});
    line.addOption({QStringLiteral("click-taps"),
                    QStringLiteral("Key presses whose clicks are timed through a private sound "
                                   "server (default 24; 0: none)."),
                    QStringLiteral("N")});
    line.addOption({QStringLiteral("seed"), QStringLiteral("The random seed (default 1)."),
                    QStringLiteral("S")});
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    QString why;
    const std::optional<Options> read = readOptions(line, why);
    if (!read)
        return line.fail(err, why);
    const Options& options = *read;

    std::printf("Tapped rows, %d per meter, level and tempo (30, 48, 72, 96):\n", options.rows);
    double microsPerRow = 0;
    const double jitter25 = tappedShare(25, options, &microsPerRow);
    const double jitter40 = tappedShare(40, options, nullptr);
    const double jitter60 = tappedShare(60, options, nullptr);
    std::printf("beats right with taps moved up to ±25 ms: %.4f, ±40 ms: %.4f, ±60 ms: %.4f\n",
                jitter25, jitter40, jitter60);
    std::printf("writing a row as it is tapped: %.1f µs\n", microsPerRow);

    std::printf("Clapped rows (a spread of ±20 ms and a steady lag of up to ±20 ms):\n");
    const ClapFigures claps = clappedRows(options);
    const double falsePerMinute = falseOnsetsPerMinute(options);
    const double cpuShare = claps.audioMs > 0 ? claps.listeningMs / claps.audioMs : 0;
    std::printf("beats right from claps: %.4f; claps heard %.4f, worst onset %.2f ms off\n",
                claps.beats.share(), claps.claps ? double(claps.heard) / claps.claps : 0,
                claps.worstErrorMs);
    std::printf("listening takes %.2f %% of one core\n", 100 * cpuShare);
    const bench::Summary click = tapToClick(options.clickTaps, argc, argv);
    std::printf("{\"beats_right_jitter25\": %.4f, \"beats_right_jitter40\": %.4f, "
                "\"beats_right_jitter60\": %.4f, \"beats_right_claps\": %.4f, "
                "\"claps_heard\": %.4f, \"clap_onset_error_ms_max\": %.2f, "
                "\"false_onsets_per_minute\": %.1f, \"listening_cpu_percent\": %.2f, "
                "\"tap_to_click_ms\": %.2f, \"tap_to_click_ms_max\": %.2f}\n",
                jitter25, jitter40, jitter60, claps.beats.share(),
                claps.claps ? double(claps.heard) / claps.claps : 0, claps.worstErrorMs,
                falsePerMinute, 100 * cpuShare, click.median, click.max);
    return 0;
}
