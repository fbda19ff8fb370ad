#pragma once

namespace listening {

// The level of the room's own noise, learnt while listening: it drops at once to any quieter
// moment and creeps up slowly, so that a held note hardly lifts it while a louder room (a fan
// switched on) is learnt within seconds.
class NoiseFloor {
public:
    explicit NoiseFloor(double riseDbPerSecond = 1.5) : rise_(riseDbPerSecond) {}

    void restart() { known_ = false; }
    // The level of the next stretch of sound, `seconds` after the one before.
    void add(double levelDb, double seconds);
    double levelDb() const { return known_ ? floor_ : -120.0; }

private:
    static constexpr double NoSignalDb = -100;
    double rise_;
    double floor_ = -120.0;
    bool known_ = false;
};

} // namespace listening
