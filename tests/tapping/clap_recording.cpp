// Writes a recording of a row clapped by a student, for the scripts' "clap" lines:
//
//   clap_recording OUT.wav SOUND TEMPO METER SEED NOISE_DB LETTERS...
//
// SOUND is "synthesizer" (the synthesizer's hand clap) or "noise" (claps made of noise); the row
// (seven pattern letters q w u o l s k m j i h y n b r) is clapped at TEMPO in METER ("simple" or
// "compound") with a human spread and a small steady lag, from the count-in's start at the
// recording's start; room noise at NOISE_DB (below full scale; 0 for none) is added. The same
// arguments always give the same file.
#include "ClapListening.h"
#include "RhythmCatalogue.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

namespace {

int patternOf(const QString& letter) {
    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i)
        if (RhythmCatalogue::buttonName(i) == letter)
            return i;
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 13) {
        std::fprintf(stderr, "usage: clap_recording OUT.wav SOUND TEMPO METER SEED NOISE_DB "
                             "L1 L2 L3 L4 L5 L6 L7\n");
        return 2;
    }
    const auto sound = args[1] == QLatin1String("noise") ? ClapListening::Sound::Synthetic
                                                         : ClapListening::Sound::Synthesizer;
    const Meter meter = args[3] == QLatin1String("compound") ? Meter::Compound : Meter::Simple;
    const TapGrid grid = TapGrid::forQuestion(meter, args[2].toInt());
    std::mt19937_64 random(args[4].toULongLong());
    TapPerformance::Row row{};
    for (std::size_t beat = 0; beat < row.size(); ++beat) {
        row[beat] = patternOf(args[static_cast<int>(6 + beat)]);
        if (row[beat] < 0) {
            std::fprintf(stderr, "no pattern \"%s\"\n", qPrintable(args[int(6 + beat)]));
            return 2;
        }
    }
    Recording recording = ClapListening::clappedRow(sound, grid, row, 0, random);
    if (recording.samples.empty()) {
        std::fprintf(stderr, "the synthesizer cannot render\n");
        return 1;
    }
    if (const double noise = args[5].toDouble(); noise < 0)
        ClapRecordings::addRoomNoise(recording, noise, random);
    return ClapRecordings::writeWav(recording, args[0]) ? 0 : 1;
}
