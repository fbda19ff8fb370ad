#pragma once

#include "BeatRhythm.h"
#include "SmuflFont.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

namespace notation {

// One beat engraved as notation, in staff spaces with y pointing down and 0 on the line through
// the noteheads' centres; x 0 is the left edge of the beat's first note or rest.
struct Engraving {
    struct PlacedGlyph {
        Glyph glyph;
        QPointF origin;
    };
    // A stem, given by its right edge (where it meets the notehead) and its vertical extent.
    struct Stem {
        qreal right;
        qreal top;
        qreal bottom;
    };
    // A beam from the stem whose right edge is `leftStem` (the beam starts at that stem's left
    // edge) to `right`. Partial beams use the same form.
    struct Beam {
        qreal leftStem;
        qreal right;
        qreal top;
    };

    std::vector<PlacedGlyph> glyphs;
    std::vector<Stem> stems;
    std::vector<Beam> beams;
    qreal stemThickness = 0;
    qreal beamThickness = 0;

    // The ink of everything above, from the glyph outlines.
    QRectF inkBounds() const;
};

// Engraves the one-beat rhythms of the rhythm trainer: black noteheads with stems up, the beams
// of a beamed group (eighth beam across the group, sixteenth beams, a partial beam for a lone
// sixteenth inside a group), flags for a lone eighth or sixteenth, eighth and sixteenth rests and
// augmentation dots, spaced in proportion to time within the beat. A beat never holds more than
// one beamed group, so the compound meter's eighths are beamed in threes.
class BeatEngraver {
public:
    // The layout of a beat.
    static Engraving engrave(const BeatRhythm& rhythm);

    // Where every beat keeps its noteheads: from the stem tops down to the lowest rest, so that
    // the beats of a row line up whatever their rests.
    static qreal frameTop();
    static qreal frameBottom();

    // Paints `engraving` with its notehead line at `origin.y()` and its x 0 at `origin.x()`
    // (device pixels), `staffSpace` pixels to a staff space. Stems, beams and glyph origins snap
    // to whole pixels so that thin strokes stay crisp at small sizes.
    static void paint(QPainter& painter, const Engraving& engraving, const QPointF& origin,
                      qreal staffSpace, const QColor& color);

    // Paints the beat centred in `box` at `staffSpace` pixels a staff space, smaller when it
    // would not fit.
    static void paintCentred(QPainter& painter, const QRectF& box, const BeatRhythm& rhythm,
                             qreal staffSpace, const QColor& color);
};

} // namespace notation
