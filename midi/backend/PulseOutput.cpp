#include "PulseOutput.h"

#include "RealtimeKit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sched.h>
#include <unistd.h>

namespace midi {

namespace {

// The sound server through its native protocol (PulseAudio, or PipeWire's service of it).
// The stream never waits for a full buffer before it plays, so a block that comes late is
// skipped instead of delaying what follows.
class PulseOutput final : public AudioOutputStream {
public:
    PulseOutput(int sampleRate, RenderFunction render, void* context, AudioCycleFigures* figures)
        : rate_(sampleRate), render_(render), context_(context), figures_(figures) {}

    ~PulseOutput() override {
        if (loop_ == nullptr)
            return;
        pa_threaded_mainloop_stop(loop_);
        if (tick_ != nullptr)
            pa_threaded_mainloop_get_api(loop_)->time_free(tick_);
        if (stream_ != nullptr) {
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (pulse_ != nullptr) {
            pa_context_disconnect(pulse_);
            pa_context_unref(pulse_);
        }
        pa_threaded_mainloop_free(loop_);
    }

    bool failed() const override { return failed_.load(std::memory_order_acquire); }

    bool open() {
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr)
            return false;
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "music");
        pulse_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_),
                                              "Built-in synthesizer", properties);
        pa_proplist_free(properties);
        if (pulse_ == nullptr)
            return false;
        pa_context_set_state_callback(pulse_, &PulseOutput::contextChanged, this);
        // No autospawn: a missing server is reported, not started behind the user's back.
        if (pa_context_connect(pulse_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        pa_threaded_mainloop_lock(loop_);
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_unlock(loop_);
            return false;
        }
        // A server that accepts the connection but never answers must not hold up the caller.
        pa_time_event* deadline = pa_context_rttime_new(
            pulse_, pa_rtclock_now() + OpenTimeoutUsec,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* data) {
                auto* self = static_cast<PulseOutput*>(data);
                self->timedOut_ = true;
                pa_threaded_mainloop_signal(self->loop_, 0);
            },
            this);
        bool ok = waitForContext() && createStream() && waitForStream();
        if (deadline != nullptr)
            pa_threaded_mainloop_get_api(loop_)->time_free(deadline);
        if (ok) {
            nextTick_ = pa_rtclock_now() + tickUsec();
            tick_ = pa_context_rttime_new(pulse_, nextTick_, &PulseOutput::tickFired, this);
            ok = tick_ != nullptr;
        }
        pa_threaded_mainloop_unlock(loop_);
        if (ok)
            raisePriority();
        return ok;
    }

private:
    static constexpr int ChunkFrames = 256;
    static constexpr int FrameBytes = 2 * sizeof(float);
    static constexpr pa_usec_t OpenTimeoutUsec = 2 * PA_USEC_PER_SEC;
    static constexpr pa_usec_t MaxReportAge = PA_USEC_PER_SEC;

    int scaled(int frames48k) const { return static_cast<int>(int64_t{frames48k} * rate_ / 48000); }
    pa_usec_t tickUsec() const {
        return static_cast<pa_usec_t>(OutputRequestFrames48k) * PA_USEC_PER_SEC / 48000;
    }

    bool waitForContext() {
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(pulse_);
            if (state == PA_CONTEXT_READY)
                return true;
            if (!PA_CONTEXT_IS_GOOD(state) || timedOut_)
                return false;
            pa_threaded_mainloop_wait(loop_);
        }
    }

    bool createStream() {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(rate_), 2};
        stream_ = pa_stream_new(pulse_, "Music", &format, nullptr);
        if (stream_ == nullptr)
            return false;
        pa_stream_set_state_callback(stream_, &PulseOutput::streamChanged, this);
        pa_stream_set_write_callback(stream_, &PulseOutput::writeRequested, this);
        pa_stream_set_latency_update_callback(stream_, &PulseOutput::timingReported, this);
        pa_stream_set_underflow_callback(stream_, &PulseOutput::underflowReported, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<uint32_t>(-1);
        buffer.tlength = static_cast<uint32_t>(scaled(OutputBufferFrames48k)) * FrameBytes;
        buffer.minreq = static_cast<uint32_t>(scaled(OutputRequestFrames48k)) * FrameBytes;
        buffer.prebuf = 0;
        buffer.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_NO_REMIX_CHANNELS);
        return pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) == 0;
    }

    bool waitForStream() {
        for (;;) {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            if (state == PA_STREAM_READY)
                return true;
            if (!PA_STREAM_IS_GOOD(state) || timedOut_)
                return false;
            pa_threaded_mainloop_wait(loop_);
        }
    }

    // The server's thread becomes a real-time thread where the system allows it: directly
    // (a raised limit, or privileges), else through the desktop's real-time service; without
    // either it runs on at normal priority.
    void raisePriority() {
        pid_t tid = 0;
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_once_unlocked(
            loop_,
            [](pa_threaded_mainloop* loop, void* data) {
                *static_cast<pid_t*>(data) = gettid();
                sched_param parameter{};
                parameter.sched_priority = RealtimePriority;
                if (pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK,
                                          &parameter) == 0)
                    *static_cast<pid_t*>(data) = -1;
                pa_threaded_mainloop_signal(loop, 0);
            },
            &tid);
        while (tid == 0)
            pa_threaded_mainloop_wait(loop_);
        pa_threaded_mainloop_unlock(loop_);
        if (tid > 0)
            askRealtimeKit(tid);
    }

    static void contextChanged(pa_context* context, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            self->failed_.store(true, std::memory_order_release);
        pa_threaded_mainloop_signal(self->loop_, 0);
    }

    static void streamChanged(pa_stream* stream, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
            self->failed_.store(true, std::memory_order_release);
        pa_threaded_mainloop_signal(self->loop_, 0);
    }

    // The audio thread keeps the stream filled on its own clock: every tick it tops the
    // stream up to `OutputLevelFrames48k` ahead of what is being heard, reckoned from the
    // server's latest timing report carried forward on the clock. So the refill does not
    // wait for the server's request to come through first: on a loaded machine the server's
    // main thread can be a few milliseconds late, and only the data itself still crosses it.
    // The server's own requests stay a floor, so the stream never holds less than it asks.
    static void tickFired(pa_mainloop_api*, pa_time_event* event, const timeval*, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        const pa_usec_t woke = pa_rtclock_now();
        if (self->figures_ != nullptr && woke > self->nextTick_)
            self->figures_->recordWakeup(static_cast<int64_t>(self->nextTick_) * 1000,
                                         static_cast<int64_t>(woke - self->nextTick_) * 1000);
        if (pa_stream_get_state(self->stream_) == PA_STREAM_READY)
            self->measuredTopUp(0);
        const pa_usec_t now = pa_rtclock_now();
        self->nextTick_ += self->tickUsec();
        if (self->nextTick_ < now)
            self->nextTick_ = now + self->tickUsec();
        pa_context_rttime_restart(self->pulse_, event, self->nextTick_);
    }

    static void writeRequested(pa_stream*, size_t bytes, void* data) {
        static_cast<PulseOutput*>(data)->measuredTopUp(bytes / FrameBytes);
    }

    void measuredTopUp(size_t requestedFrames) {
        const CycleTimer timer(figures_);
        topUp(requestedFrames);
    }

    static void underflowReported(pa_stream*, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        if (self->figures_ != nullptr)
            self->figures_->recordUnderflow(static_cast<int64_t>(pa_rtclock_now()) * 1000);
    }

    // A timing report has come in: it is placed on the monotonic clock, so that a change of
    // the wall clock cannot move the reckoning. (The report's own time is wall-clock time.)
    static void timingReported(pa_stream* stream, void* data) {
        auto* self = static_cast<PulseOutput*>(data);
        const pa_timing_info* info = pa_stream_get_timing_info(stream);
        if (info == nullptr)
            return;
        timeval now{};
        pa_gettimeofday(&now);
        const pa_usec_t age = pa_timeval_cmp(&now, &info->timestamp) > 0
                                  ? std::min(pa_timeval_diff(&now, &info->timestamp), MaxReportAge)
                                  : 0;
        self->reportTime_ = pa_rtclock_now() - age;
    }

    // Frames written that are not yet heard (below zero in an underrun); none until the server
    // has reported its position.
    std::optional<int64_t> framesAhead() const {
        const pa_timing_info* info = pa_stream_get_timing_info(stream_);
        if (info == nullptr || reportTime_ == 0 || info->read_index_corrupt ||
            info->write_index_corrupt)
            return std::nullopt;
        // The position heard at the report, carried forward to now. The stream never waits
        // for data (it skips what comes late), so the position moves on in an underrun too.
        const auto sinceReport = static_cast<int64_t>(pa_rtclock_now() - reportTime_);
        const int64_t heard = info->read_index / FrameBytes -
                              static_cast<int64_t>(info->sink_usec) * rate_ / 1000000 +
                              sinceReport * rate_ / 1000000;
        return info->write_index / FrameBytes - heard;
    }

    void topUp(size_t requestedFrames) {
        int64_t frames = static_cast<int64_t>(requestedFrames);
        if (const std::optional<int64_t> ahead = framesAhead())
            frames = std::max(frames, int64_t{scaled(OutputLevelFrames48k)} - *ahead);
        // Whole ticks, and at most a second at once (after a long stall of the server).
        const int tick = scaled(OutputRequestFrames48k);
        frames = std::min<int64_t>((frames + tick - 1) / tick * tick, rate_);
        while (frames > 0) {
            const int count = static_cast<int>(std::min<int64_t>(frames, ChunkFrames));
            left_.fill(0.0f);
            right_.fill(0.0f);
            render_(context_, count, left_.data(), right_.data());
            for (int i = 0; i < count; ++i) {
                interleaved_[2 * i] = left_[i];
                interleaved_[2 * i + 1] = right_[i];
            }
            if (pa_stream_write(stream_, interleaved_.data(),
                                static_cast<size_t>(count) * FrameBytes, nullptr, 0,
                                PA_SEEK_RELATIVE) < 0)
                return;
            frames -= count;
        }
    }

    const int rate_;
    const RenderFunction render_;
    void* const context_;
    AudioCycleFigures* const figures_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* pulse_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::atomic<bool> failed_{false};
    bool timedOut_ = false; // under the main loop's lock
    pa_time_event* tick_ = nullptr;
    pa_usec_t nextTick_ = 0;   // audio thread
    pa_usec_t reportTime_ = 0; // audio thread: when the latest timing report was current
    std::array<float, ChunkFrames> left_{}, right_{};
    std::array<float, 2 * ChunkFrames> interleaved_{};
};

} // namespace

std::unique_ptr<AudioOutputStream> openPulseOutput(int sampleRate, RenderFunction render,
                                                   void* context, AudioCycleFigures* figures) {
    auto output = std::make_unique<PulseOutput>(sampleRate, render, context, figures);
    if (!output->open())
        return nullptr;
    return output;
}

} // namespace midi
