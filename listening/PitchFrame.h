#pragma once

namespace listening {

// What the pitch tracker makes of one hop of sound: the pitch of the latest analysis window,
// how sure it is, and how loud that window is.
struct PitchFrame {
    double timeMs = 0;     // the end of the window, in ms since listening began
    double pitch = 0;      // MIDI pitch with its fraction (60.25: middle C and 25 cents); 0: none
    double confidence = 0; // 0 to 1: how periodic the window is
    double levelDb = -120; // the window's level in dB below full scale
};

} // namespace listening
