#include "OutputService.h"

namespace midi {

namespace {

// The output closes after this long without a note, a running stream or a sounding voice.
constexpr int IdleCloseSeconds = 3;
// How often the output is looked at while it is open.
constexpr auto WatchInterval = std::chrono::milliseconds(500);
// Checks in a row without any audio progress before the output counts as gone.
constexpr int StalledChecksForLoss = 8; // 4 s
// How often a lost sound server is tried again, at most.
constexpr auto RetryInterval = std::chrono::seconds(1);

QString serverLostReason() {
    return QStringLiteral("The sound server stopped answering, so nothing can be heard for now. "
                          "The exercises run on; sound comes back by itself when the sound "
                          "server runs again.");
}

} // namespace

OutputService::OutputService(Setup setup, BlockRenderer& renderer, StreamPlayer& player)
    : setup_(std::move(setup)), renderer_(renderer), player_(player) {}

OutputService::~OutputService() {
    stop(std::chrono::hours(1));
}

void OutputService::start() {
    thread_ = std::thread([this] { run(); });
}

bool OutputService::waitForFirstOpen(const std::atomic<bool>& quit) {
    std::unique_lock lock(mutex_);
    while (!tried_ && !quit.load() && !finished_)
        wakeUp_.wait_for(lock, std::chrono::milliseconds(50));
    return state_ != State::Silent;
}

void OutputService::wake() {
    // Against the thread closing the output for idle at this moment: either it sees what was
    // just sent, or this sees the output closed.
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (isOpen())
        return;
    {
        std::lock_guard lock(mutex_);
        if (softClock_)
            softClock_->wake();
        if (state_ == State::Silent)
            return;
        wanted_ = true;
    }
    wakeUp_.notify_one();
}

bool OutputService::stop(std::chrono::milliseconds grace) {
    {
        std::unique_lock lock(mutex_);
        quit_ = true;
        wakeUp_.notify_all();
        if (thread_.joinable() && !wakeUp_.wait_for(lock, grace, [this] { return finished_; })) {
            thread_.detach();
            return false;
        }
    }
    if (thread_.joinable())
        thread_.join();
    // Joins the audio thread, or the silent clock's: afterwards nothing plays the player.
    output_.reset();
    std::lock_guard lock(mutex_);
    softClock_.reset();
    state_ = State::Closed;
    return true;
}

void OutputService::run() {
    bool first = true;
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (state_ == State::Open) {
            wakeUp_.wait_for(lock, WatchInterval, [this] { return quit_; });
            if (quit_)
                break;
            lock.unlock();
            watch();
            lock.lock();
            continue;
        }
        if (state_ == State::Silent || !wanted_) {
            wakeUp_.wait(lock, [this] { return quit_ || (wanted_ && state_ != State::Silent); });
            continue;
        }
        const auto due = lastTry_ + RetryInterval;
        if (state_ == State::Lost && std::chrono::steady_clock::now() < due) {
            // Meanwhile the silent clock times what is sent.
            wakeUp_.wait_until(lock, due, [this] { return quit_; });
            continue;
        }
        wanted_ = false;
        lock.unlock();
        tryOpen(first);
        first = false;
        lock.lock();
    }
    finished_ = true;
    wakeUp_.notify_all();
}

// The thread, not holding the lock: opening waits for the server.
void OutputService::tryOpen(bool first) {
    QString reason;
    std::unique_ptr<AudioOutputStream> opened = setup_.backend->openOutput(
        setup_.drivers, setup_.sampleRate, setup_.render, setup_.context, setup_.figures, &reason);
    // Told before the loader learns that the first try is over, so that the reason is out
    // before the synthesizer says it is ready.
    if (!opened && first)
        setup_.unavailable(reason);
    std::unique_lock lock(mutex_);
    lastTry_ = std::chrono::steady_clock::now();
    tried_ = true;
    wakeUp_.notify_all();
    if (opened) {
        // The silent clock stops before the audio thread starts: one plays the player at a time.
        softClock_.reset();
        wanted_ = false;
        output_ = std::move(opened);
        lastSeenFrame_ = -1;
        stalledChecks_ = 0;
        state_ = State::Open;
        return;
    }
    if (first) {
        state_ = State::Silent;
        startSoftClock(false);
        return;
    }
    state_ = State::Lost;
    if (!softClock_)
        startSoftClock(true);
    softClock_->wake();
    lock.unlock();
    setup_.unavailable(serverLostReason());
}

// While the output is open: closes it when idle, and replaces it with the silent clock when the
// audio thread has stopped (the sound server went away).
void OutputService::watch() {
    if (!setup_.ready())
        return;
    const int64_t frame = renderer_.publishedFrame();
    if (frame == lastSeenFrame_ || output_->failed()) {
        if (++stalledChecks_ >= StalledChecksForLoss || output_->failed()) {
            closeOutput(State::Lost);
            setup_.unavailable(serverLostReason());
        }
        return;
    }
    stalledChecks_ = 0;
    lastSeenFrame_ = frame;
    const int64_t idleFrames = int64_t{IdleCloseSeconds} * setup_.sampleRate;
    if (frame - renderer_.lastActiveFrame() > idleFrames && !player_.commandsWaiting())
        closeOutput(State::Closed);
}

void OutputService::closeOutput(State next) {
    // Joins the audio thread: afterwards nothing else plays the player.
    output_.reset();
    std::lock_guard lock(mutex_);
    state_ = next;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (next == State::Closed && player_.commandsWaiting())
        wanted_ = true;
    if (next == State::Lost) {
        lastTry_ = std::chrono::steady_clock::now();
        startSoftClock(true);
    }
}

void OutputService::startSoftClock(bool render) {
    softClock_ = std::make_unique<SoftClock>(renderer_, player_, setup_.sampleRate, render);
}

} // namespace midi
