// What the built-in synthesizer's sounds cost in memory: the whole General MIDI SoundFont
// loaded as one, against the preset list alone and each preset loaded as a view of its own
// (its tables, then its samples once pinned), for every key and for the keys the programs play.

#include "BenchOptions.h"
#include "FileByteSource.h"
#include "PitchSounds.h"
#include "RhythmSounds.h"
#include "SoundFontFile.h"
#include "SoundFontView.h"
#include "SoundFontViewFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <fluidsynth.h>
#include <malloc.h>
#include <memory>

namespace {

const char* const SoundFontPath = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// The heap in use, its large blocks (mapped on their own) included.
double heapMb() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// A synthesizer set up as the built-in one is; `views`: it opens SoundFont views.
class Synth {
public:
    explicit Synth(bool views) {
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", 48000);
        fluid_settings_setint(settings_, "synth.polyphony", 64);
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
        synth_ = new_fluid_synth(settings_);
        if (views)
            midi::SoundFontViewFiles::install(synth_, settings_);
    }
    ~Synth() {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    fluid_synth_t* get() { return synth_; }

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
};

struct Cost {
    double tablesMb = 0;
    double samplesMb = 0;
    double loadMs = 0;
};

// Loads `file` (a path or a view's name) and pins the preset, measuring each step.
Cost load(const std::string& file, int bank, int program) {
    Synth synth(file != SoundFontPath);
    Cost cost;
    QElapsedTimer timer;
    timer.start();
    double before = heapMb();
    const int id = fluid_synth_sfload(synth.get(), file.c_str(), 0);
    cost.loadMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    cost.tablesMb = heapMb() - before;
    before = heapMb();
    if (id < 0 || fluid_synth_pin_preset(synth.get(), id, bank, program) != FLUID_OK)
        return Cost{-1, -1, -1};
    cost.samplesMb = heapMb() - before;
    return cost;
}

struct ViewCase {
    const char* key;
    const char* what;
    int bank;
    int program;
    midi::KeySet keys;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    if (const auto status = bench::readOptions(
            parser, QStringLiteral("Measures the memory of the synthesizer's sounds: the whole "
                                   "SoundFont against one view per preset.")))
        return *status;
    QJsonObject figures;
    const Cost whole = load(SoundFontPath, 0, 0);
    if (whole.tablesMb < 0) {
        std::fprintf(stderr, "%s cannot be loaded\n", SoundFontPath);
        return 1;
    }
    std::printf("whole SoundFont: tables %.2f MB (loaded in %.0f ms), piano's samples %.2f MB\n",
                whole.tablesMb, whole.loadMs, whole.samplesMb);
    figures["whole_tables_mb"] = whole.tablesMb;

    double before = heapMb();
    midi::sf2::FileByteSource source(SoundFontPath);
    midi::sf2::SoundFontFile file;
    std::string error;
    if (!file.read(source, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("preset list read from the file: %.2f MB\n", heapMb() - before);
    figures["preset_list_mb"] = heapMb() - before;

    const midi::KeyLimits beatwise = RhythmSounds::keyLimits();
    const midi::KeyLimits tonewise = tonewise::PitchSounds::keyLimits();
    const ViewCase cases[] = {
        {"piano", "piano 0:0, every key", 0, 0, midi::allKeys()},
        {"piano_tonewise", "piano 0:0, Tonewise's keys", 0, 0, tonewise.melodic},
        {"error_tone_tonewise", "error tone 0:113, Tonewise's keys", 0, 113, tonewise.melodic},
        {"kit", "drum kit 128:0, every key", 128, 0, midi::allKeys()},
        {"kit_beatwise", "drum kit 128:0, Beatwise's keys", 128, 0, beatwise.percussion},
    };
    for (const ViewCase& view : cases) {
        auto made = std::make_shared<midi::sf2::SoundFontView>(
            file, *file.findPreset(view.bank, view.program), view.keys);
        const std::size_t samples = made->samples().size();
        const std::string name = midi::SoundFontViewFiles::add(made, SoundFontPath);
        const Cost cost = load(name, view.bank, view.program);
        midi::SoundFontViewFiles::remove(name);
        std::printf("%-36s tables %6.3f MB (%4.1f ms), samples %6.2f MB (%zu)\n", view.what,
                    cost.tablesMb, cost.loadMs, cost.samplesMb, samples);
        figures[QStringLiteral("%1_tables_mb").arg(view.key)] = cost.tablesMb;
        figures[QStringLiteral("%1_samples_mb").arg(view.key)] = cost.samplesMb;
    }
    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    return 0;
}
