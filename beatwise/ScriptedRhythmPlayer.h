#pragma once

#include "RhythmPlayer.h"
#include "TMidiGen.h"

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Timer;
class TimerFactory;

// The rhythm trainer's player on a virtual clock, for scripts and tests: it builds the same
// stream the note-string player would play and hands every short message of it to `onMessage`
// at its time (10 ms a tick), without sounding anything. It plays from PlayString until its
// last message has gone out; Stop drops what has not.
class ScriptedRhythmPlayer final : public RhythmPlayer {
public:
    struct Message {
        std::uint8_t status = 0;
        std::uint8_t data1 = 0;
        std::uint8_t data2 = 0;
    };

    ScriptedRhythmPlayer(TimerFactory& timers, std::function<void(const Message&)> onMessage);
    ~ScriptedRhythmPlayer() override;

    bool IsPlaying() override;
    void Stop() override;
    void SetChannel(int channel) override;
    bool PlayString(const QString& notes) override;

private:
    struct Timed {
        qint64 at = 0; // milliseconds after the start
        Message message;
    };
    void sendDue();

    TMidiGen builder_; // builds the streams; it never plays them
    std::unique_ptr<Timer> timer_;
    std::function<void(const Message&)> onMessage_;
    std::vector<Timed> pending_;
    std::size_t next_ = 0;
    qint64 elapsed_ = 0; // where in the stream the timer stands
};
