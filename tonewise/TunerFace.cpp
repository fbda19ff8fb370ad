#include "TunerFace.h"

#include "SungPitch.h"

#include <algorithm>
#include <cmath>

namespace tonewise {

TunerFace tunerFace(const listening::TunerReading& reading) {
    TunerFace face;
    if (!reading.sung)
        return face;
    face.sung = true;
    face.name = sungNoteName(reading.note);
    face.cents = std::clamp(static_cast<int>(std::lround(reading.cents)), -50, 50);
    face.staffY = sungStaffY(reading.pitch);
    return face;
}

} // namespace tonewise
