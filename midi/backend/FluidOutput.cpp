#include "FluidOutput.h"

#include "RealtimeKit.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace midi {

namespace {

// ALSA prints its own complaints when a machine has no sound card; we report in one box.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

class FluidOutput final : public AudioOutputStream {
public:
    FluidOutput(RenderFunction render, void* context, AudioCycleFigures* figures)
        : render_(render), context_(context), figures_(figures), settings_(new_fluid_settings()) {}
    ~FluidOutput() override {
        if (driver_ != nullptr)
            delete_fluid_audio_driver(driver_);
        if (settings_ != nullptr)
            delete_fluid_settings(settings_);
    }
    bool failed() const override { return false; }

    bool open(const QString& name, int sampleRate) {
        fluid_settings_t* settings = settings_;
        if (settings == nullptr)
            return false;
        fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
        fluid_settings_setint(
            settings, "audio.period-size",
            static_cast<int>(int64_t{OutputRequestFrames48k} * 2 * sampleRate / 48000));
        fluid_settings_setint(settings, "audio.periods",
                              std::max(2, OutputBufferFrames48k / (2 * OutputRequestFrames48k)));
        fluid_settings_setint(settings, "audio.realtime-prio", RealtimePriority);
        snd_lib_error_set_handler(&ignoreAlsaError);
        if (fluid_settings_setstr(settings, "audio.driver", name.toUtf8().constData()) != FLUID_OK)
            return false;
        driver_ = new_fluid_audio_driver2(settings, &FluidOutput::callback, this);
        return driver_ != nullptr;
    }

private:
    static int callback(void* data, int len, int, float*[], int nout, float* out[]) {
        auto* self = static_cast<FluidOutput*>(data);
        if (nout < 2)
            return FLUID_FAILED;
        const CycleTimer timer(self->figures_);
        std::fill(out[0], out[0] + len, 0.0f);
        std::fill(out[1], out[1] + len, 0.0f);
        self->render_(self->context_, len, out[0], out[1]);
        return FLUID_OK;
    }

    const RenderFunction render_;
    void* const context_;
    AudioCycleFigures* const figures_;
    fluid_settings_t* settings_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};

} // namespace

std::unique_ptr<AudioOutputStream> openFluidOutput(const QString& driver, int sampleRate,
                                                   RenderFunction render, void* context,
                                                   AudioCycleFigures* figures) {
    auto output = std::make_unique<FluidOutput>(render, context, figures);
    if (!output->open(driver, sampleRate))
        return nullptr;
    return output;
}

} // namespace midi
