#include "SynthEngine.h"

#include "FileOutput.h"
#include "MidiResult.h"
#include "OutputService.h"
#include "SoftClock.h"
#include "SoundBackend.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>

#include <algorithm>
#include <malloc.h>
#include <map>

namespace midi {

namespace {

std::mutex configureMutex;
SynthOptions pendingOptions;
std::atomic<bool> engineCreated{false};
// Programs named before the engine exists: naming them must not create it, since it takes the
// options as they are when it is created.
std::map<int, std::vector<int>> pendingPrograms;

// At the program's end, how long the synthesizer's threads may take to finish what they are
// doing (loading the SoundFont, pinning a sound, reaching the server) before the program ends
// without them.
constexpr auto ExitGrace = std::chrono::milliseconds(250);

QString missingSoundFontReason() {
    return QStringLiteral(
        "No General MIDI SoundFont is installed, so the built-in synthesizer cannot play.\n\n"
        "Install the package fluid-soundfont-gm (for example with "
        "\"sudo apt-get install fluid-soundfont-gm\") and start the program again. "
        "Everything else works without sound.");
}

// Owns the engine for the whole run. At the end the engine is destroyed only when its threads
// have ended in time; otherwise it is left as it is, for them to end with the process.
struct EngineOwner {
    SynthEngine* engine = nullptr;
    bool leftRunning = false; // endBuiltinSynth() left threads to end with the process
    ~EngineOwner() {
        if (engine != nullptr && !leftRunning && engine->shutDown(ExitGrace))
            delete engine;
    }
};
EngineOwner* owner = nullptr;

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
    SynthEngine::instance().warmUp();
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

void prepareBuiltinSynthPrograms(int channel, const QList<int>& programs) {
    std::vector<int> list(programs.begin(), programs.end());
    {
        std::lock_guard lock(configureMutex);
        if (!engineCreated) {
            pendingPrograms[channel] = std::move(list);
            return;
        }
    }
    SynthEngine::instance().preparePrograms(channel, list);
}

bool endBuiltinSynth(std::chrono::milliseconds grace) {
    {
        std::lock_guard lock(configureMutex);
        if (!engineCreated)
            return true;
    }
    SynthEngine& engine = SynthEngine::instance();
    if (owner->leftRunning)
        return false;
    owner->leftRunning = !engine.shutDown(grace);
    return !owner->leftRunning;
}

AudioThreadFigures builtinSynthAudioFigures() {
    const AudioCycleFigures& figures = SynthEngine::instance().cycleFigures();
    AudioThreadFigures result;
    result.longestCycleMs = figures.longestNs.load(std::memory_order_relaxed) / 1e6;
    result.longestCycleCpuMs = figures.longestCpuNs.load(std::memory_order_relaxed) / 1e6;
    result.threadId = figures.threadId.load(std::memory_order_relaxed);
    result.cycles = figures.cycles.load(std::memory_order_relaxed);
    result.cyclesOver1Ms = figures.over1Ms.load(std::memory_order_relaxed);
    result.cyclesOver2Ms = figures.over2Ms.load(std::memory_order_relaxed);
    result.cyclesOver10Ms = figures.over10Ms.load(std::memory_order_relaxed);
    result.waitsInCycles = figures.waits.load(std::memory_order_relaxed);
    result.latestWakeupMs = figures.latestWakeupNs.load(std::memory_order_relaxed) / 1e6;
    result.wakeupsLateOver2Ms = figures.wakeupsLateOver2Ms.load(std::memory_order_relaxed);
    result.underflows = figures.underflows.load(std::memory_order_relaxed);
    using Time = std::chrono::steady_clock::time_point;
    const auto kept = std::min<int64_t>(result.underflows, AudioCycleFigures::TimesKept);
    for (size_t i = 0; i < static_cast<size_t>(kept); ++i)
        result.underflowTimes.emplace_back(
            std::chrono::nanoseconds(figures.underflowNs[i].load(std::memory_order_relaxed)));
    const auto late = std::min<int64_t>(figures.wakeupsLateOver10Ms.load(std::memory_order_relaxed),
                                        AudioCycleFigures::TimesKept);
    for (size_t i = 0; i < static_cast<size_t>(late); ++i)
        result.lateWakeups.emplace_back(
            Time(std::chrono::nanoseconds(
                figures.lateWakeupDueNs[i].load(std::memory_order_relaxed))),
            figures.lateWakeupNs[i].load(std::memory_order_relaxed) / 1e6);
    return result;
}

const std::atomic<int>& builtinSynthCycleThread() {
    return SynthEngine::instance().cycleFigures().cycleThread;
}

void resetBuiltinSynthAudioFigures() {
    AudioCycleFigures& figures = SynthEngine::instance().cycleFigures();
    figures.reset();
    figures.measureCpu.store(true, std::memory_order_relaxed);
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
    // The status outlives the engine: the engine's threads report to it until they end.
    static SynthStatus& status = SynthStatus::instance();
    static EngineOwner engineOwner;
    static SynthEngine* engine = [] {
        engineOwner.engine = new SynthEngine();
        owner = &engineOwner;
        return engineOwner.engine;
    }();
    (void)status;
    return *engine;
}

SynthEngine::SynthEngine()
    : options_([] {
          std::lock_guard lock(configureMutex);
          engineCreated = true;
          return pendingOptions;
      }()),
      player_(options_.sampleRate), gate_(player_, pinned_), keeper_(gate_, pinned_, inUse_),
      clockStart_(std::chrono::steady_clock::now()) {
    gate_.onWork([this] { keeper_.wake(); });
    gate_.onForwarded([this] { wake(); });
    std::lock_guard lock(configureMutex);
    for (const auto& [channel, programs] : pendingPrograms)
        gate_.preparePrograms(channel, programs);
    pendingPrograms.clear();
}

SynthEngine::~SynthEngine() {
    shutDown(std::chrono::hours(1));
}

bool SynthEngine::shutDown(std::chrono::milliseconds grace) {
    // One allowance for every thread together, not one each.
    const auto deadline = std::chrono::steady_clock::now() + grace;
    quit_ = true;
    keeper_.wake();
    if (loader_.joinable()) {
        std::unique_lock lock(readyMutex_);
        if (!readyChanged_.wait_until(lock, deadline, [this] { return loaderDone_; })) {
            lock.unlock();
            loader_.detach();
            return false;
        }
        lock.unlock();
        loader_.join();
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (output_ && !output_->stop(std::max(left, std::chrono::milliseconds(0))))
        return false;
    file_.reset();
    silentClock_.reset();
    return true;
}

void SynthEngine::start() {
    if (quit_ || (options_.startOnWarmUp && !warmedUp_.load()))
        return;
    bool expected = false;
    if (!started_.compare_exchange_strong(expected, true))
        return;
    loader_ = std::thread([this] {
        load();
        std::lock_guard lock(readyMutex_);
        loaderDone_ = true;
        readyChanged_.notify_all();
    });
}

void SynthEngine::warmUp() {
    warmedUp_ = true;
    start();
}

// The loader thread: the sound module, the synthesizer, the output and the SoundFont; then it
// keeps the presets pinned that the messages ask for.
void SynthEngine::load() {
    if (options_.output == AudioOutput::Silent) {
        runSilently();
        becomeReady();
        return;
    }
    QString error;
    SoundBackend* backend = soundBackend(&error);
    if (backend == nullptr || quit_ || !createSynth(*backend)) {
        if (quit_)
            return;
        reportUnavailable(QStringLiteral("The built-in synthesizer could not be started (%1).")
                              .arg(backend == nullptr ? error : backend->lastError()));
        runSilently();
        becomeReady();
        return;
    }
    if (!startOutput(*backend)) {
        runSilently();
        becomeReady();
        return;
    }
    // Without any output the SoundFont and its sounds would only take memory: the exercises run
    // on, timed and silent.
    if (output_ && !output_->waitForFirstOpen(quit_)) {
        gate_.setCatalogue(nullptr);
        becomeReady();
        return;
    }
    // The output runs (silent) while the SoundFont loads; the audio thread touches the
    // synthesizer only once it is ready.
    loadSoundFont();
    // The sounds the program named ahead are loaded before anything plays.
    keeper_.setSynth(*core_);
    keeper_.settle(quit_);
    becomeReady();
    // Starting leaves freed memory behind (reading the SoundFont's lists and the first sounds,
    // and the window's own start meanwhile): give it back, once the first notes may play.
    malloc_trim(0);
    keeper_.run(quit_);
}

bool SynthEngine::createSynth(SoundBackend& backend) {
    // Played by the audio thread: no reverb or chorus (they allocate on every block). The
    // exercises' streams ask for neither.
    core_ = backend.createSynth(options_.sampleRate, false);
    if (!core_ || !core_->valid())
        return false;
    core_->limitKeys(options_.keys);
    device_ = std::make_unique<SynthDevice>(*core_, catalogue_, pinned_, inUse_);
    renderer_ = std::make_unique<BlockRenderer>(*core_, player_, *device_, inUse_);
    return true;
}

bool SynthEngine::startOutput(SoundBackend& backend) {
    if (options_.output == AudioOutput::File) {
        file_ = std::make_unique<FileOutput>(
            *renderer_, options_.sampleRate,
            [this] { return ready_.load(std::memory_order_acquire); },
            [this](const QString& reason) { reportUnavailable(reason); });
        QString reason;
        if (!file_->open(options_.audioFile, &reason)) {
            file_.reset();
            reportUnavailable(reason);
            return false;
        }
        clockStart_ = file_->clockStart();
        outputReady_.store(true, std::memory_order_release);
        return true;
    }
    OutputService::Setup setup;
    setup.backend = &backend;
    setup.drivers = options_.audioDrivers.isEmpty()
                        ? QStringList{QStringLiteral("pulseaudio"), QStringLiteral("alsa")}
                        : options_.audioDrivers;
    setup.sampleRate = options_.sampleRate;
    setup.render = &SynthEngine::renderDevice;
    setup.context = this;
    setup.figures = &cycleFigures_;
    setup.ready = [this] { return ready_.load(std::memory_order_acquire); };
    setup.unavailable = [this](const QString& reason) { reportUnavailable(reason); };
    output_ = std::make_unique<OutputService>(std::move(setup), *renderer_, player_);
    output_->start();
    outputReady_.store(true, std::memory_order_release);
    return true;
}

void SynthEngine::loadSoundFont() {
    const QString soundFont =
        options_.soundFont.isEmpty() ? findGeneralMidiSoundFont() : options_.soundFont;
    QString error;
    if (soundFont.isEmpty() || !QFileInfo::exists(soundFont)) {
        reportUnavailable(missingSoundFontReason());
    } else if (!core_->loadSoundFont(soundFont, &error)) {
        reportUnavailable(error + QStringLiteral("\n\nReinstall the package fluid-soundfont-gm "
                                                 "to hear the exercises. Everything else works "
                                                 "without sound."));
    } else {
        catalogue_ = PresetCatalogue(core_->presets());
        gate_.setCatalogue(&catalogue_);
        return;
    }
    // Nothing can sound: every message goes straight through, to be timed.
    gate_.setCatalogue(nullptr);
}

// No synthesizer output at all: streams are still timed in real time, with nothing to hear.
void SynthEngine::runSilently() {
    renderer_ = std::make_unique<BlockRenderer>(player_);
    silentClock_ = std::make_unique<SoftClock>(*renderer_, player_, options_.sampleRate, false);
    gate_.setCatalogue(nullptr);
    outputReady_.store(true, std::memory_order_release);
}

void SynthEngine::becomeReady() {
    {
        std::lock_guard lock(readyMutex_);
        ready_.store(true, std::memory_order_release);
    }
    readyChanged_.notify_all();
    wake();
    if (!quit_)
        SynthStatus::instance().reportReady();
}

void SynthEngine::reportUnavailable(const QString& reason) {
    if (!quit_)
        SynthStatus::instance().reportUnavailable(reason);
}

void SynthEngine::wake() {
    if (!outputReady_.load(std::memory_order_acquire))
        return;
    if (output_)
        output_->wake();
    else if (silentClock_)
        silentClock_->wake();
}

void SynthEngine::renderDevice(void* engine, int frames, float* left, float* right) {
    auto* self = static_cast<SynthEngine*>(engine);
    if (self->ready_.load(std::memory_order_acquire))
        self->renderer_->render(frames, left, right);
}

bool SynthEngine::sendShort(uint32_t message) {
    start();
    if (!gate_.send(PlayerCommand{PlayerCommand::Kind::Message, 0, message}))
        return false;
    wake();
    return true;
}

bool SynthEngine::sendLong(const QByteArray& data) {
    start();
    if (!gate_.sendLong(reinterpret_cast<const uint8_t*>(data.constData()),
                        static_cast<std::size_t>(data.size())))
        return false;
    wake();
    return true;
}

bool SynthEngine::resetOutput() {
    start();
    if (!gate_.send(PlayerCommand{PlayerCommand::Kind::Reset}))
        return false;
    wake();
    return true;
}

void SynthEngine::preparePrograms(int channel, const std::vector<int>& programs) {
    gate_.preparePrograms(channel, programs);
}

std::chrono::steady_clock::time_point SynthEngine::clockStart() const {
    return clockStart_;
}

bool SynthEngine::waitUntilReady(std::chrono::milliseconds timeout) {
    warmUp();
    std::unique_lock lock(readyMutex_);
    return readyChanged_.wait_for(lock, timeout, [this] { return ready_.load(); });
}

bool SynthEngine::outputOpen() const {
    return outputReady_.load(std::memory_order_acquire) && output_ && output_->isOpen();
}

} // namespace midi
