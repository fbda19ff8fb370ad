#pragma once

#include <aubio/aubio.h>

#include <QString>

namespace listening {

// The sound-analysis library (aubio) the pitch and onset detectors use, opened the first time a
// detector is made rather than with the program: it brings in a large set of media libraries of
// its own that a student who never sings or claps has no use for. The functions the detectors
// call are resolved once; the library stays open for the whole run.
class AubioLibrary {
public:
    // The library, opened on the first call (thread-safe). Null, with the reason in `error`, when
    // it cannot be opened or lacks a function.
    static const AubioLibrary* get(QString* error = nullptr);
    // Opens the library of that file name instead of the usual one; only before the first get().
    static void useFileName(const QString& fileName);

    decltype(&::new_fvec) newVector = nullptr;
    decltype(&::del_fvec) deleteVector = nullptr;

    decltype(&::new_aubio_pitch) newPitch = nullptr;
    decltype(&::del_aubio_pitch) deletePitch = nullptr;
    decltype(&::aubio_pitch_set_silence) setPitchSilence = nullptr;
    decltype(&::aubio_pitch_set_unit) setPitchUnit = nullptr;
    decltype(&::aubio_pitch_set_tolerance) setPitchTolerance = nullptr;
    decltype(&::aubio_pitch_do) detectPitch = nullptr;
    decltype(&::aubio_pitch_get_confidence) pitchConfidence = nullptr;

    decltype(&::new_aubio_onset) newOnset = nullptr;
    decltype(&::del_aubio_onset) deleteOnset = nullptr;
    decltype(&::aubio_onset_set_threshold) setOnsetThreshold = nullptr;
    decltype(&::aubio_onset_set_minioi_ms) setOnsetMinimumInterval = nullptr;
    decltype(&::aubio_onset_set_silence) setOnsetSilence = nullptr;
    decltype(&::aubio_onset_do) detectOnset = nullptr;
    decltype(&::aubio_onset_get_last) lastOnset = nullptr;

private:
    AubioLibrary() = default;
    bool resolve(void* handle, QString* missing);
};

} // namespace listening
