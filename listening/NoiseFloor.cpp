#include "NoiseFloor.h"

#include <algorithm>

namespace listening {

void NoiseFloor::add(double levelDb, double seconds) {
    if (!known_ || levelDb <= floor_) {
        floor_ = levelDb;
        known_ = true;
        return;
    }
    floor_ = std::min(levelDb, floor_ + rise_ * seconds);
}

} // namespace listening
