#include "PartitaText.h"

#include "BeatEngraver.h"
#include "BeatRhythm.h"
#include "SmuflFont.h"

#include <QPainter>

namespace notation {

namespace {
// The controls give the "Partita" size as a pixel height; the engraving takes it as its em,
// and a staff space is a quarter of the em.
constexpr qreal kStaffSpacesPerEm = 4.0;
} // namespace

bool drawPartitaText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                     const QColor& color) {
    const std::optional<BeatRhythm> rhythm = beatRhythmFor(text);
    if (!rhythm || pixelSize <= 0 || box.isEmpty() || !SmuflFont::bravura().isLoaded())
        return false;
    BeatEngraver::paintCentred(painter, box, *rhythm, pixelSize / kStaffSpacesPerEm, color);
    return true;
}

} // namespace notation
