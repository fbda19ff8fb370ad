#pragma once

#include <QString>

#include <chrono>
#include <vector>

namespace bench {

// Starts the built-in synthesizer writing what it plays into a WAV file at `wavPath` in real
// time, and waits until the SoundFont is loaded and the file runs. Returns the milliseconds that
// took, or -1 when the synthesizer did not become ready. Call before any MIDI device is used.
double startSynthIntoWav(const QString& wavPath);

// For each moment on the steady clock, the milliseconds to the first audible sample after it in
// that WAV file, whose frame 0 is the synthesizer's clockStart(). The onset is looked for from
// `earlySeconds` before the moment: an audio block rendered late (its time already passed) then
// comes out slightly negative instead of being missed. A moment whose preceding 100 ms were not
// silent is left out, since its sound could not be told from what was still ringing.
std::vector<double>
momentsToOnsetMs(const QString& wavPath,
                 const std::vector<std::chrono::steady_clock::time_point>& moments,
                 double earlySeconds = 0.020);

} // namespace bench
