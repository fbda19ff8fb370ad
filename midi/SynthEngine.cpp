#include "SynthEngine.h"

#include "MidiResult.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace midi {

namespace {

std::mutex configureMutex;
SynthOptions pendingOptions;
std::atomic<bool> engineCreated{false};

// Frames rendered per step when writing a WAV file in real time: one synthesizer block,
// so a note sent at any moment is in the file within about a millisecond of it.
constexpr int FileStepFrames = SynthCore::BlockFrames;

// ALSA prints its own complaints when a machine has no sound card; we report in one box.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

QString missingSoundFontReason() {
    return QStringLiteral(
        "No General MIDI SoundFont is installed, so the built-in synthesizer cannot play.\n\n"
        "Install the package fluid-soundfont-gm (for example with "
        "\"sudo apt-get install fluid-soundfont-gm\") and start the program again. "
        "Everything else works without sound.");
}

} // namespace

QString findGeneralMidiSoundFont() {
    static const char* const candidates[] = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    for (const char* candidate : candidates) {
        const QFileInfo info(QString::fromLatin1(candidate));
        if (info.exists() && info.isReadable())
            return info.canonicalFilePath();
    }
    return {};
}

void configureBuiltinSynth(const SynthOptions& options) {
    SynthEngine::configure(options);
}

void warmUpBuiltinSynth() {
    SynthStatus::instance(); // lives on the calling (UI) thread
    SynthEngine::instance().start();
}

SynthStatus& SynthStatus::instance() {
    static SynthStatus status;
    return status;
}

QString SynthStatus::unavailableReason() const {
    return reason_;
}

bool SynthStatus::ready() const {
    return ready_;
}

void SynthStatus::reportUnavailable(const QString& reason) {
    QMetaObject::invokeMethod(
        this,
        [this, reason] {
            if (reported_)
                return;
            reported_ = true;
            reason_ = reason;
            emit soundUnavailable(reason);
        },
        Qt::QueuedConnection);
}

void SynthStatus::reportReady() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            ready_ = true;
            emit becameReady();
        },
        Qt::QueuedConnection);
}

bool SynthEngine::configure(const SynthOptions& options) {
    std::lock_guard lock(configureMutex);
    if (engineCreated)
        return false;
    pendingOptions = options;
    return true;
}

SynthEngine& SynthEngine::instance() {
    static SynthEngine* engine = [] {
        SynthStatus::instance();
        static std::unique_ptr<SynthEngine> owner(new SynthEngine());
        return owner.get();
    }();
    return *engine;
}

SynthEngine::SynthEngine()
    : options_([] {
          std::lock_guard lock(configureMutex);
          engineCreated = true;
          return pendingOptions;
      }()),
      timeline_(options_.sampleRate), clockStart_(std::chrono::steady_clock::now()) {}

SynthEngine::~SynthEngine() {
    quit_ = true;
    if (loader_.joinable())
        loader_.join();
    if (fileThread_.joinable())
        fileThread_.join();
    if (driver_ != nullptr)
        delete_fluid_audio_driver(driver_);
    silentClock_.reset();
    file_.reset();
    renderer_.reset();
    core_.reset();
}

void SynthEngine::start() {
    bool expected = false;
    if (!started_.compare_exchange_strong(expected, true))
        return;
    loader_ = std::thread([this] { initialise(); });
}

void SynthEngine::initialise() {
    if (options_.output == AudioOutput::Silent) {
        fallBackToSilence();
        return;
    }
    core_ = std::make_unique<SynthCore>(options_.sampleRate);
    if (!core_->valid()) {
        SynthStatus::instance().reportUnavailable(
            QStringLiteral("The built-in synthesizer could not be started (%1).")
                .arg(lastFluidError()));
        fallBackToSilence();
        return;
    }
    renderer_ = std::make_unique<BlockRenderer>(core_.get(), timeline_);

    QString reason;
    const bool outputOpen =
        options_.output == AudioOutput::File ? openFileOutput(&reason) : openDeviceOutput(&reason);
    if (!outputOpen) {
        SynthStatus::instance().reportUnavailable(reason);
        fallBackToSilence();
        return;
    }

    const QString soundFont =
        options_.soundFont.isEmpty() ? findGeneralMidiSoundFont() : options_.soundFont;
    QString error;
    if (soundFont.isEmpty() || !QFileInfo::exists(soundFont)) {
        SynthStatus::instance().reportUnavailable(missingSoundFontReason());
    } else if (!core_->loadSoundFont(soundFont, &error)) {
        SynthStatus::instance().reportUnavailable(
            error + QStringLiteral("\n\nReinstall the package fluid-soundfont-gm to hear "
                                   "the exercises. Everything else works without sound."));
    }
    becomeReady();
}

bool SynthEngine::openDeviceOutput(QString* reason) {
    fluid_settings_t* settings = core_->settings();
    fluid_settings_setint(settings, "audio.period-size", 128);
    fluid_settings_setint(settings, "audio.periods", 2);
    fluid_settings_setint(settings, "audio.realtime-prio", 0);
    snd_lib_error_set_handler(&ignoreAlsaError);
    const QStringList drivers =
        options_.audioDrivers.isEmpty()
            ? QStringList{QStringLiteral("pulseaudio"), QStringLiteral("alsa")}
            : options_.audioDrivers;
    for (const QString& name : drivers) {
        if (fluid_settings_setstr(settings, "audio.driver", name.toUtf8().constData()) != FLUID_OK)
            continue;
        driver_ = new_fluid_audio_driver2(settings, &SynthEngine::deviceCallback, this);
        if (driver_ != nullptr)
            return true;
    }
    *reason = QStringLiteral("No audio output could be opened: this computer has no working "
                             "sound card or sound server. The exercises run on without sound.");
    return false;
}

int SynthEngine::deviceCallback(void* data, int len, int, float*[], int nout, float* out[]) {
    auto* engine = static_cast<SynthEngine*>(data);
    if (nout < 2)
        return FLUID_FAILED;
    engine->renderer_->render(len, out[0], out[1], engine->ready_.load());
    return FLUID_OK;
}

bool SynthEngine::openFileOutput(QString* reason) {
    file_ = std::make_unique<WavStreamWriter>(options_.audioFile, options_.sampleRate, 2);
    QString error;
    if (!file_->open(&error)) {
        *reason = QStringLiteral("The audio file %1 cannot be written (%2). The exercises run "
                                 "on without sound.")
                      .arg(options_.audioFile, error);
        file_.reset();
        return false;
    }
    clockStart_ = std::chrono::steady_clock::now();
    fileThread_ = std::thread([this] { runFileOutput(); });
    return true;
}

void SynthEngine::runFileOutput() {
    std::vector<float> left(FileStepFrames), right(FileStepFrames);
    std::vector<int16_t> interleaved(FileStepFrames * 2);
    const int rate = options_.sampleRate;
    int64_t frames = 0;
    int64_t lastHeaderUpdate = 0;
    while (!quit_) {
        // Real time: frame f is written at clockStart + f / rate.
        const auto due = clockStart_ + std::chrono::microseconds(frames * 1000000 / rate);
        std::this_thread::sleep_until(due);
        std::fill(left.begin(), left.end(), 0.0f);
        std::fill(right.begin(), right.end(), 0.0f);
        renderer_->render(FileStepFrames, left.data(), right.data(), ready_.load());
        for (int i = 0; i < FileStepFrames; ++i) {
            interleaved[2 * i] =
                static_cast<int16_t>(std::lround(std::clamp(left[i], -1.0f, 1.0f) * 32767.0f));
            interleaved[2 * i + 1] =
                static_cast<int16_t>(std::lround(std::clamp(right[i], -1.0f, 1.0f) * 32767.0f));
        }
        if (!file_->append(interleaved.data(), FileStepFrames)) {
            SynthStatus::instance().reportUnavailable(
                QStringLiteral("Writing the audio file %1 failed; recording stopped.")
                    .arg(options_.audioFile));
            return;
        }
        frames += FileStepFrames;
        if (frames - lastHeaderUpdate >= rate / 4) {
            file_->updateHeader();
            lastHeaderUpdate = frames;
        }
    }
    file_->updateHeader();
}

void SynthEngine::fallBackToSilence() {
    silent_ = true;
    silentClock_ = std::make_unique<TimingThread>(timeline_, [](uint32_t) {});
    becomeReady();
}

void SynthEngine::becomeReady() {
    {
        std::lock_guard lock(pendingMutex_);
        if (!silent_) {
            for (const Pending& message : pending_)
                apply(message);
        }
        pending_.clear();
        ready_ = true;
    }
    readyChanged_.notify_all();
    SynthStatus::instance().reportReady();
}

void SynthEngine::apply(const Pending& message) {
    if (const auto* shortMessage = std::get_if<uint32_t>(&message))
        core_->applyShortMessage(*shortMessage);
    else if (const auto* longMessage = std::get_if<QByteArray>(&message))
        core_->applyLongMessage(*longMessage);
    else
        core_->resetOutput();
}

void SynthEngine::sendShort(uint32_t message) {
    start();
    std::lock_guard lock(pendingMutex_);
    if (silent_)
        return;
    if (!ready_)
        pending_.emplace_back(message);
    else
        core_->applyShortMessage(message);
}

void SynthEngine::sendLong(const QByteArray& data) {
    start();
    std::lock_guard lock(pendingMutex_);
    if (silent_)
        return;
    if (!ready_)
        pending_.emplace_back(data);
    else
        core_->applyLongMessage(data);
}

void SynthEngine::resetOutput() {
    start();
    std::lock_guard lock(pendingMutex_);
    if (silent_)
        return;
    if (!ready_)
        pending_.emplace_back(Reset{});
    else
        core_->resetOutput();
}

std::chrono::steady_clock::time_point SynthEngine::clockStart() const {
    return clockStart_;
}

bool SynthEngine::waitUntilReady(std::chrono::milliseconds timeout) {
    start();
    std::unique_lock lock(pendingMutex_);
    return readyChanged_.wait_for(lock, timeout, [this] { return ready_.load(); });
}

} // namespace midi
