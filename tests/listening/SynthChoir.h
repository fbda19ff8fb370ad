#pragma once

#include <QString>

#include <vector>

namespace recordings {

// The General MIDI voices of the built-in synthesizer (program numbers from 0).
constexpr int ChoirAahs = 52;
constexpr int VoiceOohs = 53;
constexpr int SynthVoice = 54;

// One note for the synthesizer's voice to sing.
struct SynthNote {
    int note = 60;
    double startMs = 0; // on the 10-ms tick of the stream
    double lengthMs = 800;
    double detuneCents = 0; // through the pitch wheel
    // Vibrato, either through the pitch wheel (extent either way, at 5.5 Hz) or through the
    // modulation wheel (0 to 127), which the synthesizer turns into its own vibrato.
    double vibratoCents = 0;
    int modulation = 0;
};

// Renders the notes (one at a time, in order) on one voice of the built-in synthesizer,
// offline, as mono sound of `lengthMs` at `sampleRate`. Empty, with the reason in `error`,
// when the synthesizer cannot render (no General MIDI SoundFont).
std::vector<float> renderSynthChoir(int program, const std::vector<SynthNote>& notes,
                                    double lengthMs, int sampleRate, QString* error = nullptr);

// How far from their notes the voice's own samples sound over their first few tenths of a
// second, in cents, each note measured alone, plainly, by a pitch estimator of its own (a
// SoundFont's choir may sound a quarter of a semitone flat, its voices start sharp). Empty when
// the synthesizer cannot render.
std::vector<double> measuredTuning(int program, const std::vector<int>& notes, int sampleRate);

} // namespace recordings
