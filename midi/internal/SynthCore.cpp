#include "SynthCore.h"

#include <QFile>
#include <QFileInfo>
#include <fluidsynth.h>
#include <mutex>

namespace midi {

namespace {

std::mutex logMutex;
QString lastError;

void keepError(int, const char* message, void*) {
    std::lock_guard lock(logMutex);
    lastError = QString::fromUtf8(message);
}

void ignoreMessage(int, const char*, void*) {}

} // namespace

void quietFluidLogging() {
    static std::once_flag once;
    std::call_once(once, [] {
        fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
        fluid_set_log_function(FLUID_ERR, keepError, nullptr);
        fluid_set_log_function(FLUID_WARN, ignoreMessage, nullptr);
        fluid_set_log_function(FLUID_INFO, ignoreMessage, nullptr);
        fluid_set_log_function(FLUID_DBG, ignoreMessage, nullptr);
    });
}

QString lastFluidError() {
    std::lock_guard lock(logMutex);
    return lastError;
}

SynthCore::SynthCore(int sampleRate) : sampleRate_(sampleRate) {
    quietFluidLogging();
    settings_ = new_fluid_settings();
    if (settings_ == nullptr)
        return;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", 0.6);
    fluid_settings_setint(settings_, "synth.polyphony", 256);
    fluid_settings_setint(settings_, "synth.cpu-cores", 1);
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    // Samples of a preset are read when a channel selects it: a quick start, little memory.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
}

SynthCore::~SynthCore() {
    if (synth_ != nullptr)
        delete_fluid_synth(synth_);
    if (settings_ != nullptr)
        delete_fluid_settings(settings_);
}

bool SynthCore::loadSoundFont(const QString& path, QString* error) {
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
    const int id = fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 1);
    if (id == FLUID_FAILED) {
        if (error)
            *error = QStringLiteral("The SoundFont %1 could not be loaded (%2).")
                         .arg(path, lastFluidError());
        return false;
    }
    soundFontLoaded_ = true;
    return true;
}

void SynthCore::applyShortMessage(uint32_t message) {
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
    case 0xC0:
        fluid_synth_program_change(synth_, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
        break;
    default:
        if (status == 0xFF)
            fluid_synth_system_reset(synth_);
        break;
    }
}

void SynthCore::applyLongMessage(const uint8_t* data, std::size_t size) {
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

void SynthCore::resetOutput() {
    if (synth_ == nullptr)
        return;
    for (int channel = 0; channel < 16; ++channel)
        fluid_synth_cc(synth_, channel, 64, 0);
    fluid_synth_all_notes_off(synth_, -1);
}

int SynthCore::activeVoices() const {
    return synth_ != nullptr ? fluid_synth_get_active_voice_count(synth_) : 0;
}

void SynthCore::render(int frames, float* left, float* right) {
    if (synth_ == nullptr || !soundFontLoaded_)
        return;
    float* out[2] = {left, right};
    float* fx[4] = {left, right, left, right};
    fluid_synth_process(synth_, frames, 4, fx, 2, out);
}

} // namespace midi
