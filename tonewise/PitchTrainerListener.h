#pragma once

#include "PitchView.h"

#include <QString>

namespace tonewise {

// Told of what changes while a handler runs, so that a view or a transcript can follow it
// step by step.
class PitchTrainerListener {
public:
    virtual ~PitchTrainerListener() = default;
    virtual void fieldChanged(PitchField, const QString&) {}
    // The staff was redrawn or a note added to it.
    virtual void staffChanged() {}
    // A record was appended to the student's score file `file`.
    virtual void scoreLineAppended(const QString& /*file*/, const QString& /*line*/) {}
    virtual void busyChanged(bool) {}
};

} // namespace tonewise
