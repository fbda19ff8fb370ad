#include "StaffLayout.h"

#include "KeySignature.h"
#include "PitchDisplays.h"
#include "PitchState.h"

namespace tonewise {

namespace {

// A staff text that stands for a sign, never the white erase.
StaffGlyph sign(const QString& text, int x, int y) {
    return StaffGlyph{text, x, y, false};
}

} // namespace

void StaffLayout::DrawStaff() {
    PitchState& state = parts_.state;
    auto& staff = state.staff;
    staff.clear();
    staff.push_back(StaffGlyph{QStringLiteral("======="), 0, 0, true});
    staff.push_back(sign(QStringLiteral("======="), 0, 20));
    staff.push_back(sign(QStringLiteral("======="), 0, 68));
    staff.push_back(sign(QStringLiteral("?"), 0, 44));
    staff.push_back(sign(QStringLiteral("&"), 0, 12));
    for (const notation::KeySignatureGlyph& glyph :
         notation::keySignatureGlyphs(state.SignatureKind, state.SignatureCount))
        staff.push_back(sign(glyph.text, glyph.x, glyph.y));
    parts_.displays.staffChanged();
}

void StaffLayout::DrawNote() {
    PitchState& state = parts_.state;
    auto& staff = state.staff;
    if (!state.NoteAccidental.trimmed().isEmpty())
        staff.push_back(sign(state.NoteAccidental, state.PenX + 74, state.NoteY));
    state.PenX += 8;
    if (state.NoteY == 28 || state.NoteY == -20)
        staff.push_back(sign(QStringLiteral("--"), state.PenX + 71, state.NoteY));
    staff.push_back(sign(QStringLiteral("w"), state.PenX + 74, state.NoteY));
    state.PenX += 14;
    parts_.displays.staffChanged();
}

void StaffLayout::FormPaint() {
    PitchState& state = parts_.state;
    DrawStaff();
    state.PenX = 0;
    if (atStart(state))
        return;
    const std::int32_t noteY = state.NoteY;
    const QString accidental = state.NoteAccidental;
    state.NoteY = state.ReferenceNoteY;
    state.NoteAccidental = state.ReferenceAccidental;
    DrawNote();
    state.NoteY = noteY;
    state.NoteAccidental = accidental;
}

} // namespace tonewise
