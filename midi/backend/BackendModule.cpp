// The sound module: FluidSynth and the audio outputs, loaded by the built-in synthesizer when it
// starts (see SoundBackend.h).
#include "FluidLog.h"
#include "FluidOutput.h"
#include "FluidSynthCore.h"
#include "PulseOutput.h"
#include "SoundBackend.h"

namespace midi {

namespace {

class FluidBackend final : public SoundBackend {
public:
    std::unique_ptr<SynthCore> createSynth(int sampleRate, bool effects) override {
        return std::make_unique<FluidSynthCore>(sampleRate, effects);
    }

    std::unique_ptr<AudioOutputStream> openOutput(const QStringList& drivers, int sampleRate,
                                                  RenderFunction render, void* context,
                                                  AudioCycleFigures* figures,
                                                  QString* reason) override {
        for (const QString& name : drivers) {
            std::unique_ptr<AudioOutputStream> output =
                name == QLatin1String("pulseaudio")
                    ? openPulseOutput(sampleRate, render, context, figures)
                    : openFluidOutput(name, sampleRate, render, context, figures);
            if (output)
                return output;
        }
        if (reason != nullptr)
            *reason = QStringLiteral(
                "No audio output could be opened: this computer has no working sound card or "
                "sound server. The exercises run on without sound.");
        return nullptr;
    }

    QString lastError() const override { return lastFluidError(); }
};

} // namespace

} // namespace midi

extern "C" __attribute__((visibility("default"))) midi::SoundBackend* beatwiseSoundBackend() {
    static midi::FluidBackend backend;
    return &backend;
}
