#include "OfflineRender.h"

#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "WavFile.h"
#include "internal/BlockRenderer.h"
#include "internal/MidiChannels.h"
#include "internal/PresetState.h"
#include "internal/SoundBackend.h"
#include "internal/StreamPlayer.h"
#include "internal/SynthCore.h"
#include "internal/SynthDevice.h"

#include <QDir>

#include <cmath>
#include <functional>
#include <memory>

namespace midi {

namespace {

using Consumer = std::function<bool(const float* left, const float* right, int frames)>;

// Pins every preset the events select, as the built-in synthesizer's loader would before they
// play: nothing else plays the synthesizer here, so it is done at once.
void pinSelected(SynthCore& synth, const PresetCatalogue& catalogue,
                 const std::vector<StreamEvent>& events, PinnedPresets& pinned) {
    MidiChannels channels;
    LoaderHold hold(synth.guard());
    for (const StreamEvent& event : events) {
        if ((event.event & EventTypeMask) != 0)
            continue;
        const MidiChannels::Outcome outcome = channels.apply(event.event & 0x00FFFFFFu, catalogue);
        if (outcome.effect == MidiChannels::Effect::Select && outcome.preset &&
            !pinned.isSettled(*outcome.preset))
            pinned.set(*outcome.preset,
                       synth.pin(*outcome.preset) ? PinnedPresets::Pinned : PinnedPresets::Failed);
    }
}

// Opens a stream of the player and queues `events` on it at the options' time division.
void queueStream(StreamPlayer& player, const std::vector<StreamEvent>& events,
                 const RenderOptions& options) {
    const int stream = player.reserveStream();
    using Kind = PlayerCommand::Kind;
    const auto streamCommand = [stream](Kind kind, uint32_t value = 0, uint32_t value2 = 0) {
        PlayerCommand command;
        command.kind = kind;
        command.stream = static_cast<uint8_t>(stream);
        command.value = value;
        command.value2 = value2;
        return command;
    };
    PlayerCommand queued = streamCommand(Kind::Queue, 1);
    queued.events = events.data();
    queued.count = events.size();
    for (const PlayerCommand& command :
         {streamCommand(Kind::Open),
          streamCommand(Kind::Timing, options.ticksPerQuarter, options.microsecondsPerQuarter),
          queued, streamCommand(Kind::Restart)})
        player.send(command);
}

// The frame of the stream's last event.
int64_t lastEventFrame(const std::vector<StreamEvent>& events, const RenderOptions& options) {
    uint64_t ticks = 0;
    for (const StreamEvent& event : events)
        ticks += event.delta;
    return static_cast<int64_t>(static_cast<long double>(ticks) * options.microsecondsPerQuarter /
                                options.ticksPerQuarter * options.sampleRate / 1e6L);
}

// Whether the events turn up a channel's reverb or chorus (controllers 91 and 93). Only then
// does the rendering add them, so that it sounds as the built-in synthesizer plays.
bool asksForEffects(const std::vector<StreamEvent>& events) {
    for (const StreamEvent& event : events) {
        if ((event.event & EventTypeMask) != 0)
            continue;
        const uint32_t status = event.event & 0xF0u;
        const uint32_t controller = (event.event >> 8) & 0x7Fu;
        const uint32_t value = (event.event >> 16) & 0x7Fu;
        if (status == 0xB0u && (controller == 91 || controller == 93) && value > 0)
            return true;
    }
    return false;
}

// Creates the synthesizer through the sound module and loads the SoundFont into it; on failure
// returns null with the result code and the reason in `code` and `why`.
std::unique_ptr<SynthCore> startSynth(const RenderOptions& options, bool effects, int& code,
                                      QString& why) {
    QString backendError;
    SoundBackend* backend = soundBackend(&backendError);
    if (backend == nullptr) {
        code = NoDriver;
        why = QStringLiteral("The synthesizer could not be started (%1).").arg(backendError);
        return nullptr;
    }
    std::unique_ptr<SynthCore> synth = backend->createSynth(options.sampleRate, effects);
    if (!synth || !synth->valid()) {
        code = NoDriver;
        why = QStringLiteral("The synthesizer could not be created.");
        return nullptr;
    }
    const QString soundFont =
        options.soundFont.isEmpty() ? findGeneralMidiSoundFont() : options.soundFont;
    code = NoSoundFont;
    if (soundFont.isEmpty()) {
        why = QStringLiteral("No General MIDI SoundFont is installed "
                             "(install the package fluid-soundfont-gm).");
        return nullptr;
    }
    if (!synth->loadSoundFont(soundFont, &why))
        return nullptr;
    code = Ok;
    return synth;
}

int renderLoop(const std::vector<StreamEvent>& events, const RenderOptions& options,
               const Consumer& consume, QString* error) {
    auto fail = [error](int code, const QString& text) {
        if (error)
            *error = text;
        return code;
    };
    if (options.sampleRate < 8000 || options.sampleRate > 192000)
        return fail(InvalidParam, QStringLiteral("The sample rate must be 8000 to 192000."));

    int startCode = Ok;
    QString startError;
    const std::unique_ptr<SynthCore> core =
        startSynth(options, asksForEffects(events), startCode, startError);
    if (!core)
        return fail(startCode, startError);
    SynthCore& synth = *core;

    if (options.ticksPerQuarter == 0 || options.ticksPerQuarter > 0x7FFF ||
        options.microsecondsPerQuarter == 0)
        return fail(InvalidParam, QStringLiteral("The time division and tempo must be above 0."));

    // The same path as the audio thread: commands into a player, played block by block.
    StreamPlayer player(options.sampleRate);
    queueStream(player, events, options);

    // The whole length is known before rendering: refuse what would take hours.
    const int64_t last = lastEventFrame(events, options);
    const int64_t tail = std::llround(std::max(0.0, options.tailSeconds) * options.sampleRate);
    if (last + tail > static_cast<int64_t>(options.maxSeconds * options.sampleRate))
        return fail(InvalidParam, QStringLiteral("The stream is too long to render."));

    const PresetCatalogue catalogue(synth.presets());
    PinnedPresets pinned;
    pinSelected(synth, catalogue, events, pinned);
    PresetsInUse inUse;
    SynthDevice device(synth, catalogue, pinned, inUse);
    BlockRenderer renderer(synth, player, device, inUse);
    constexpr int block = SynthCore::BlockFrames;
    std::vector<float> left(block), right(block);
    int64_t end = -1;
    while (end < 0 || renderer.frame() < end) {
        std::fill(left.begin(), left.end(), 0.0f);
        std::fill(right.begin(), right.end(), 0.0f);
        renderer.render(block, left.data(), right.data());
        if (!consume(left.data(), right.data(), block))
            return fail(Error, QStringLiteral("The rendered sound could not be written."));
        if (end < 0 && !player.busy() && !player.commandsWaiting())
            end = renderer.frame() + tail;
    }
    return Ok;
}

} // namespace

int renderStream(const std::vector<StreamEvent>& events, const RenderOptions& options,
                 std::vector<float>& interleaved, QString* error) {
    interleaved.clear();
    return renderLoop(
        events, options,
        [&](const float* left, const float* right, int frames) {
            for (int i = 0; i < frames; ++i) {
                interleaved.push_back(left[i]);
                interleaved.push_back(right[i]);
            }
            return true;
        },
        error);
}

int renderStreamToWav(const std::vector<StreamEvent>& events, const QString& path,
                      const RenderOptions& options, QString* error) {
    WavStreamWriter writer(path, options.sampleRate, 2);
    QString openError;
    if (!writer.open(&openError)) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, openError);
        return Error;
    }
    std::vector<int16_t> pcm;
    bool written = true;
    const int result = renderLoop(
        events, options,
        [&](const float* left, const float* right, int frames) {
            pcm.resize(static_cast<size_t>(frames) * 2);
            for (int i = 0; i < frames; ++i) {
                pcm[2 * i] =
                    static_cast<int16_t>(std::lround(std::clamp(left[i], -1.0f, 1.0f) * 32767.0f));
                pcm[2 * i + 1] =
                    static_cast<int16_t>(std::lround(std::clamp(right[i], -1.0f, 1.0f) * 32767.0f));
            }
            written = writer.append(pcm.data(), static_cast<size_t>(frames));
            return written;
        },
        error);
    // What failed to reach the disk says why (a full disk, for one), also when it was the end.
    const auto couldNotWrite = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), why);
    };
    if (result != Ok) {
        if (!written)
            couldNotWrite(writer.errorString());
        return result;
    }
    QString finishError;
    if (!writer.finish(&finishError)) {
        couldNotWrite(finishError);
        return Error;
    }
    return Ok;
}

} // namespace midi
