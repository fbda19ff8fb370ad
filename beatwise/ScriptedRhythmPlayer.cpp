#include "ScriptedRhythmPlayer.h"

#include "Timer.h"

namespace {

constexpr qint64 MillisecondsPerTick = 10;

} // namespace

ScriptedRhythmPlayer::ScriptedRhythmPlayer(TimerFactory& timers,
                                           std::function<void(const Message&)> onMessage)
    : timer_(timers.createTimer([this] { sendDue(); })), onMessage_(std::move(onMessage)) {}

ScriptedRhythmPlayer::~ScriptedRhythmPlayer() = default;

bool ScriptedRhythmPlayer::IsPlaying() {
    return next_ < pending_.size();
}

void ScriptedRhythmPlayer::Stop() {
    timer_->stop();
    pending_.clear();
    next_ = 0;
}

void ScriptedRhythmPlayer::SetChannel(int channel) {
    builder_.SetChannel(channel);
}

bool ScriptedRhythmPlayer::PlayString(const QString& notes) {
    Stop();
    qint64 ticks = 0;
    for (const midi::StreamEvent& event : builder_.StreamFor(notes)) {
        ticks += event.delta;
        if ((event.event & midi::EventTypeMask) != 0)
            continue; // only short messages reach the synthesizer
        const std::uint32_t word = event.event & ~midi::EventCallback;
        pending_.push_back(
            {ticks * MillisecondsPerTick,
             {static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>((word >> 8) & 0xFF),
              static_cast<std::uint8_t>((word >> 16) & 0xFF)}});
    }
    if (pending_.empty())
        return false;
    elapsed_ = 0;
    timer_->start(static_cast<int>(pending_.front().at));
    return true;
}

void ScriptedRhythmPlayer::sendDue() {
    // Messages of the same time go out together; the listener may stop the player meanwhile.
    const qint64 now = pending_.at(next_).at;
    elapsed_ = now;
    while (next_ < pending_.size() && pending_[next_].at == now) {
        const Message message = pending_[next_].message;
        ++next_;
        if (onMessage_)
            onMessage_(message);
    }
    if (next_ < pending_.size())
        timer_->start(static_cast<int>(pending_[next_].at - elapsed_));
}
