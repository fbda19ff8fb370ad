#include "NoiseFloor.h"

#include <algorithm>

namespace listening {

void NoiseFloor::add(double levelDb, double seconds) {
    // A microphone never delivers perfect silence: this quiet, it is not delivering yet (or is
    // switched off), and that says nothing about the room.
    if (levelDb < NoSignalDb)
        return;
    if (!known_ || levelDb <= floor_) {
        floor_ = levelDb;
        known_ = true;
        return;
    }
    floor_ = std::min(levelDb, floor_ + rise_ * seconds);
}

} // namespace listening
