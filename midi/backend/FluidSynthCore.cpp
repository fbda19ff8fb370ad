#include "FluidSynthCore.h"

#include "FluidLog.h"

#include <QFile>
#include <QFileInfo>
#include <fluidsynth.h>
#include <malloc.h>

namespace midi {

FluidSynthCore::FluidSynthCore(int sampleRate, bool effects) : sampleRate_(sampleRate) {
    quietFluidLogging();
    settings_ = new_fluid_settings();
    if (settings_ == nullptr)
        return;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", 0.6);
    fluid_settings_setint(settings_, "synth.polyphony", Polyphony);
    fluid_settings_setint(settings_, "synth.cpu-cores", 1);
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    fluid_settings_setint(settings_, "synth.reverb.active", effects ? 1 : 0);
    fluid_settings_setint(settings_, "synth.chorus.active", effects ? 1 : 0);
    // A preset's samples are read when it is pinned, and only then: a quick start, little
    // memory, and nothing read while playing.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
}

FluidSynthCore::~FluidSynthCore() {
    if (synth_ != nullptr)
        delete_fluid_synth(synth_);
    if (settings_ != nullptr)
        delete_fluid_settings(settings_);
}

bool FluidSynthCore::loadSoundFont(const QString& path, QString* error) {
    if (synth_ == nullptr) {
        if (error)
            *error = QStringLiteral("The synthesizer could not be created.");
        return false;
    }
    if (!QFileInfo(path).isReadable()) {
        if (error)
            *error = QStringLiteral("The SoundFont %1 cannot be read.").arg(path);
        return false;
    }
    // The channels keep no preset: each gets the one it asks for, once it is pinned.
    const int id = fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 0);
    // Reading the SoundFont's lists leaves much freed memory behind; give it back.
    malloc_trim(0);
    if (id == FLUID_FAILED) {
        if (error)
            *error = QStringLiteral("The SoundFont %1 could not be loaded (%2).")
                         .arg(path, lastFluidError());
        return false;
    }
    soundFontId_ = id;
    return true;
}

std::vector<PresetId> FluidSynthCore::presets() const {
    std::vector<PresetId> presets;
    fluid_sfont_t* sfont =
        soundFontId_ >= 0 ? fluid_synth_get_sfont_by_id(synth_, soundFontId_) : nullptr;
    if (sfont == nullptr)
        return presets;
    fluid_sfont_iteration_start(sfont);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(sfont)) {
        const int bank = fluid_preset_get_banknum(preset);
        const int program = fluid_preset_get_num(preset);
        if (bank >= 0 && bank <= PercussionBank && program >= 0 && program < 128)
            presets.push_back(presetId(bank, program));
    }
    return presets;
}

bool FluidSynthCore::pin(PresetId preset) {
    return synth_ != nullptr && soundFontId_ >= 0 &&
           fluid_synth_pin_preset(synth_, soundFontId_, bankOf(preset), programOf(preset)) ==
               FLUID_OK;
}

void FluidSynthCore::unpin(PresetId preset) {
    if (synth_ != nullptr && soundFontId_ >= 0)
        fluid_synth_unpin_preset(synth_, soundFontId_, bankOf(preset), programOf(preset));
}

void FluidSynthCore::message(uint32_t message) {
    if (synth_ == nullptr)
        return;
    const int status = message & 0xFF;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, data1);
        break;
    case 0x90:
        if (data2 == 0)
            fluid_synth_noteoff(synth_, channel, data1);
        else
            fluid_synth_noteon(synth_, channel, data1, data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, data1, data2);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
        break;
    default:
        break;
    }
}

void FluidSynthCore::select(int channel, PresetId preset) {
    if (synth_ != nullptr && soundFontId_ >= 0)
        fluid_synth_program_select(synth_, channel, soundFontId_, bankOf(preset),
                                   programOf(preset));
}

void FluidSynthCore::unselect(int channel) {
    if (synth_ != nullptr)
        fluid_synth_unset_program(synth_, channel);
}

void FluidSynthCore::longMessage(const uint8_t* data, std::size_t size) {
    if (synth_ == nullptr || size < 2)
        return;
    // FluidSynth takes the message without its framing bytes.
    if (data[0] == 0xF0) {
        data += 1;
        size -= 1;
    }
    if (size > 0 && data[size - 1] == 0xF7)
        size -= 1;
    fluid_synth_sysex(synth_, reinterpret_cast<const char*>(data), static_cast<int>(size), nullptr,
                      nullptr, nullptr, 0);
}

void FluidSynthCore::releaseAll() {
    if (synth_ == nullptr)
        return;
    for (int channel = 0; channel < 16; ++channel)
        fluid_synth_cc(synth_, channel, 64, 0);
    fluid_synth_all_notes_off(synth_, -1);
}

// A system reset without its choice of presets (that would read samples here): every sound
// cut, the controllers back to their starting values, no preset selected until a channel asks.
void FluidSynthCore::reset() {
    if (synth_ == nullptr)
        return;
    fluid_synth_all_sounds_off(synth_, -1);
    for (int channel = 0; channel < 16; ++channel) {
        fluid_synth_unset_program(synth_, channel);
        fluid_synth_cc(synth_, channel, 121, 0); // reset all controllers
        fluid_synth_cc(synth_, channel, 0, 0);
        fluid_synth_cc(synth_, channel, 7, 100);
        fluid_synth_cc(synth_, channel, 10, 64);
        fluid_synth_pitch_bend(synth_, channel, 8192);
    }
}

int FluidSynthCore::activeVoices() {
    return synth_ != nullptr ? fluid_synth_get_active_voice_count(synth_) : 0;
}

void FluidSynthCore::render(int frames, float* left, float* right) {
    if (synth_ == nullptr || soundFontId_ < 0)
        return;
    float* out[2] = {left, right};
    float* fx[4] = {left, right, left, right};
    fluid_synth_process(synth_, frames, 4, fx, 2, out);
}

} // namespace midi
