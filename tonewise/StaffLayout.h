#pragma once

#include "PitchParts.h"

namespace tonewise {

// The staff as the paint box shows it: the grand staff with its clefs and key signature, and
// the notes written on it left to right, each with its accidental and ledger line, at the
// pixel places of the design.
class StaffLayout {
public:
    explicit StaffLayout(PitchParts parts) : parts_(parts) {}

    void DrawStaff();
    void DrawNote();
    // The window's repaint: the staff, then the reference note unless the exercise is at its
    // start.
    void FormPaint();

private:
    PitchParts parts_;
};

} // namespace tonewise
