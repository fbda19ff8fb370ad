#pragma once

#include <QString>

#include <vector>

// The time from a key press to the first sound of the tap's click at a sound server's sink:
// the rhythm trainer's window taps on the space bar, and its click goes through the built-in
// synthesizer and a private PulseAudio (a null sink, its monitor recorded). `taps` key presses,
// half a second apart, once the count-in has ended. Empty, with the reason in `why`, when the
// sound server or the synthesizer cannot be used.
std::vector<double> tapToClickMs(int taps, QString& why);
