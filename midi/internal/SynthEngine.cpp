#include "SynthEngine.h"

#include "MidiResult.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <fluidsynth.h>
#include <vector>

namespace midi {

namespace {

std::mutex configureMutex;
SynthOptions pendingOptions;
std::atomic<bool> engineCreated{false};

// Frames rendered per step when writing a WAV file in real time: one synthesizer block,
// so a note sent at any moment is in the file within about a millisecond of it.
constexpr int FileStepFrames = SynthCore::BlockFrames;

// The output closes after this long without a note, a running stream or a sounding voice.
constexpr int IdleCloseSeconds = 3;
// How often the UI side looks at the output while it is open.
constexpr int WatchIntervalMs = 500;
// Checks in a row without any audio progress before the output counts as gone.
constexpr int StalledChecksForLoss = 8; // 4 s
// How often a lost sound server is tried again, at most.
constexpr auto RetryInterval = std::chrono::seconds(1);

QString missingSoundFontReason() {
    return QStringLiteral(
        "No General MIDI SoundFont is installed, so the built-in synthesizer cannot play.\n\n"
        "Install the package fluid-soundfont-gm (for example with "
        "\"sudo apt-get install fluid-soundfont-gm\") and start the program again. "
        "Everything else works without sound.");
}

QString serverLostReason() {
    return QStringLiteral("The sound server stopped answering, so nothing can be heard for now. "
                          "The exercises run on; sound comes back by itself when the sound "
                          "server runs again.");
}

} // namespace

// Stands in for the audio output when there is none: plays the player on the steady clock
// in steps of a few blocks, rendering into a scratch buffer (so that the synthesizer's state
// stays right) or into nothing. It sleeps while nothing is playing.
class SoftClock {
public:
    SoftClock(BlockRenderer& renderer, StreamPlayer& player, int sampleRate, bool render)
        : renderer_(renderer), player_(player), rate_(sampleRate), render_(render),
          start_(std::chrono::steady_clock::now()), startFrame_(renderer.frame()) {
        if (render_) {
            left_.resize(StepFrames);
            right_.resize(StepFrames);
        }
        thread_ = std::thread([this] { run(); });
    }
    ~SoftClock() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wakeUp_.notify_one();
        thread_.join();
    }
    void wake() {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        wakeUp_.notify_one();
    }

private:
    static constexpr int StepFrames = 4 * SynthCore::BlockFrames;

    int64_t present() const {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        return startFrame_ +
               std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * rate_ /
                   1000000;
    }

    void run() {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            woken_ = false;
            lock.unlock();
            const int64_t target = present();
            if (!player_.busy())
                renderer_.skipTo(target);
            while (renderer_.frame() < target) {
                const int frames =
                    static_cast<int>(std::min<int64_t>(StepFrames, target - renderer_.frame()));
                if (render_) {
                    std::fill(left_.begin(), left_.end(), 0.0f);
                    std::fill(right_.begin(), right_.end(), 0.0f);
                    renderer_.render(frames, left_.data(), right_.data());
                } else {
                    renderer_.render(frames, nullptr, nullptr);
                }
            }
            const bool idle = !player_.busy() && !player_.commandsWaiting();
            lock.lock();
            if (quit_ || woken_)
                continue;
            if (idle) {
                wakeUp_.wait(lock, [this] { return quit_ || woken_; });
            } else {
                const auto due = std::chrono::steady_clock::now() +
                                 std::chrono::microseconds(StepFrames * 1000000LL / rate_);
                wakeUp_.wait_until(lock, due, [this] { return quit_ || woken_; });
            }
        }
    }

    BlockRenderer& renderer_;
    StreamPlayer& player_;
    const int rate_;
    const bool render_;
    const std::chrono::steady_clock::time_point start_;
    const int64_t startFrame_;
    std::vector<float> left_, right_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    bool quit_ = false;
    std::thread thread_;
};

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

bool waitForBuiltinSynth(std::chrono::milliseconds timeout) {
    return SynthEngine::instance().waitUntilReady(timeout);
}

std::chrono::steady_clock::time_point builtinSynthClockStart() {
    return SynthEngine::instance().clockStart();
}

bool builtinSynthOutputOpen() {
    return SynthEngine::instance().outputOpen();
}

AudioThreadFigures builtinSynthAudioFigures() {
    const AudioCycleFigures& figures = SynthEngine::instance().cycleFigures();
    return {figures.longestNs.load(std::memory_order_relaxed) / 1e6,
            figures.threadId.load(std::memory_order_relaxed)};
}

void resetBuiltinSynthAudioFigures() {
    SynthEngine::instance().cycleFigures().longestNs.store(0, std::memory_order_relaxed);
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
      player_(options_.sampleRate), clockStart_(std::chrono::steady_clock::now()) {
    // The output is watched from the UI thread, on a timer that runs only while it is open.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        watcher_ = std::make_unique<QObject>();
        watchTimer_ = new QTimer(watcher_.get());
        watchTimer_->setInterval(WatchIntervalMs);
        QObject::connect(watchTimer_, &QTimer::timeout, watcher_.get(), [this] { checkOutput(); });
        watcher_->moveToThread(app->thread());
    }
}

SynthEngine::~SynthEngine() {
    quit_ = true;
    if (loader_.joinable())
        loader_.join();
    if (fileThread_.joinable())
        fileThread_.join();
    {
        std::lock_guard lock(outputMutex_);
        closeDevice();
        stopSoftClock();
    }
    watcher_.reset();
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
    renderer_ = std::make_unique<BlockRenderer>(core_.get(), player_);

    QString reason;
    bool outputOpen = false;
    if (options_.output == AudioOutput::File) {
        outputOpen = openFileOutput(&reason);
    } else {
        std::lock_guard lock(outputMutex_);
        outputOpen = openDevice(&reason);
    }
    if (!outputOpen) {
        SynthStatus::instance().reportUnavailable(reason);
        fallBackToSilence();
        return;
    }
    // The output runs (silent) while the SoundFont loads; the audio thread touches the
    // synthesizer only once it is ready.
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

bool SynthEngine::openDevice(QString* reason) {
    const QStringList drivers =
        options_.audioDrivers.isEmpty()
            ? QStringList{QStringLiteral("pulseaudio"), QStringLiteral("alsa")}
            : options_.audioDrivers;
    output_ = openAudioOutput(drivers, options_.sampleRate, core_->settings(),
                              &SynthEngine::renderDevice, this, &cycleFigures_, reason);
    if (!output_)
        return false;
    clock_ = Clock::Device;
    lastSeenFrame_ = -1;
    stalledChecks_ = 0;
    watchOutput(true);
    return true;
}

void SynthEngine::closeDevice() {
    if (!output_)
        return;
    // Joins the audio thread: afterwards nothing else plays the player.
    output_.reset();
    clock_ = Clock::None;
    watchOutput(false);
}

void SynthEngine::startSoftClock(SynthCore* synth) {
    softClock_ =
        std::make_unique<SoftClock>(*renderer_, player_, options_.sampleRate, synth != nullptr);
    clock_ = Clock::Soft;
}

void SynthEngine::stopSoftClock() {
    softClock_.reset();
    if (clock_ == Clock::Soft)
        clock_ = Clock::None;
}

void SynthEngine::watchOutput(bool on) {
    if (watchTimer_ == nullptr)
        return;
    QMetaObject::invokeMethod(
        watcher_.get(),
        [this, on] {
            if (on)
                watchTimer_->start();
            else
                watchTimer_->stop();
        },
        Qt::AutoConnection);
}

// UI thread, while the device output is open: closes it when idle, and replaces it with the
// silent clock when the audio thread has stopped (the sound server went away).
void SynthEngine::checkOutput() {
    std::lock_guard lock(outputMutex_);
    if (clock_ != Clock::Device || !ready_) {
        watchTimer_->stop();
        return;
    }
    const int64_t frame = renderer_->publishedFrame();
    if (frame == lastSeenFrame_ || output_->failed()) {
        if (++stalledChecks_ >= StalledChecksForLoss || output_->failed()) {
            closeDevice();
            serverLost_ = true;
            lastRetry_ = std::chrono::steady_clock::now();
            startSoftClock(core_.get());
            SynthStatus::instance().reportUnavailable(serverLostReason());
        }
        return;
    }
    stalledChecks_ = 0;
    lastSeenFrame_ = frame;
    const int64_t idleFrames = int64_t{IdleCloseSeconds} * options_.sampleRate;
    if (frame - renderer_->lastActiveFrame() > idleFrames && !player_.commandsWaiting()) {
        closeDevice();
    }
}

void SynthEngine::wake() {
    std::lock_guard lock(outputMutex_);
    if (!ready_)
        return;
    if (silent_) {
        softClock_->wake();
        return;
    }
    switch (clock_) {
    case Clock::Device:
    case Clock::File:
        return;
    case Clock::Soft: {
        const auto now = std::chrono::steady_clock::now();
        if (!serverLost_ || now - lastRetry_ < RetryInterval) {
            softClock_->wake();
            return;
        }
        lastRetry_ = now;
        stopSoftClock();
        if (openDevice(nullptr))
            serverLost_ = false;
        else
            startSoftClock(core_.get());
        if (softClock_)
            softClock_->wake();
        return;
    }
    case Clock::None:
        if (!openDevice(nullptr)) {
            serverLost_ = true;
            lastRetry_ = std::chrono::steady_clock::now();
            startSoftClock(core_.get());
            softClock_->wake();
            SynthStatus::instance().reportUnavailable(serverLostReason());
        }
        return;
    }
}

void SynthEngine::renderDevice(void* engine, int frames, float* left, float* right) {
    auto* self = static_cast<SynthEngine*>(engine);
    if (self->ready_.load(std::memory_order_acquire))
        self->renderer_->render(frames, left, right);
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
    {
        std::lock_guard lock(outputMutex_);
        clock_ = Clock::File;
    }
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
        if (ready_.load(std::memory_order_acquire))
            renderer_->render(FileStepFrames, left.data(), right.data());
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
    {
        std::lock_guard lock(outputMutex_);
        silent_ = true;
        // Streams are still timed in real time, with nothing to hear.
        renderer_ = std::make_unique<BlockRenderer>(nullptr, player_);
        startSoftClock(nullptr);
    }
    becomeReady();
}

void SynthEngine::becomeReady() {
    {
        std::lock_guard lock(readyMutex_);
        ready_.store(true, std::memory_order_release);
    }
    readyChanged_.notify_all();
    {
        std::lock_guard lock(outputMutex_);
        if (softClock_)
            softClock_->wake();
    }
    SynthStatus::instance().reportReady();
}

bool SynthEngine::sendShort(uint32_t message) {
    start();
    if (!player_.send(PlayerCommand{PlayerCommand::Kind::Message, 0, message}))
        return false;
    wake();
    return true;
}

bool SynthEngine::sendLong(const QByteArray& data) {
    start();
    if (!player_.sendLong(reinterpret_cast<const uint8_t*>(data.constData()),
                          static_cast<std::size_t>(data.size())))
        return false;
    wake();
    return true;
}

bool SynthEngine::resetOutput() {
    start();
    if (!player_.send(PlayerCommand{PlayerCommand::Kind::Reset}))
        return false;
    wake();
    return true;
}

std::chrono::steady_clock::time_point SynthEngine::clockStart() const {
    return clockStart_;
}

bool SynthEngine::waitUntilReady(std::chrono::milliseconds timeout) {
    start();
    std::unique_lock lock(readyMutex_);
    return readyChanged_.wait_for(lock, timeout, [this] { return ready_.load(); });
}

bool SynthEngine::outputOpen() const {
    std::lock_guard lock(outputMutex_);
    return output_ != nullptr;
}

} // namespace midi
