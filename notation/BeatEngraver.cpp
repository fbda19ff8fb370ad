#include "BeatEngraver.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace notation {

namespace {

// Horizontal room per sixteenth. A simple beat holds four sixteenths, a compound beat three
// eighths; the compound eighth is a little wider than two simple sixteenths because its flags
// and rests need the room.
constexpr qreal kSimpleSixteenthWidth = 1.72;
constexpr qreal kCompoundSixteenthWidth = 1.32;
// The least white between a notehead and the next sign, after a dot or flag, and after a rest
// (whose hooks stand at the noteheads' height).
constexpr qreal kNoteClearance = 0.5;
constexpr qreal kClearance = 0.6;
constexpr qreal kRestClearance = 0.8;

// Stems reach three and a half spaces above the notehead's centre (an octave), the usual length.
constexpr qreal kStemTop = -3.5;
// A partial beam is about as long as a notehead, shorter where its neighbour is close.
constexpr qreal kPartialBeamLength = 1.18;
// Space between a notehead (or rest) and its augmentation dot.
constexpr qreal kDotGap = 0.3;
// A dotted rest carries its dot at the height of the rest's head.
constexpr qreal kRestDotHeight = -0.5;

qreal roundPx(qreal v) {
    return std::round(v);
}

struct BeatNote {
    int start = 0;
    qreal x = 0;
    int length = 0;
    qreal stemRight = 0;
};

// The flag of a lone eighth or sixteenth, hung from the top of its stem.
Engraving::PlacedGlyph flagFor(const Engraving& engraving, const SmuflFont& font,
                               const BeatNote& note) {
    const Glyph flag = note.length == 1 ? Glyph::Flag16thUp : Glyph::Flag8thUp;
    const QPointF anchor = font.anchor(flag, QStringLiteral("stemUpNW"));
    const QPointF stemTopLeft(note.stemRight - engraving.stemThickness, kStemTop);
    return {flag, stemTopLeft - anchor};
}

// The beams of one beamed group (two or more notes shorter than a quarter, no rest between).
void addBeams(Engraving& engraving, const std::vector<BeatNote>& group, qreal beamSpacing) {
    const qreal stem = engraving.stemThickness;
    engraving.beams.push_back({group.front().stemRight, group.back().stemRight, kStemTop});

    const qreal secondTop = kStemTop + engraving.beamThickness + beamSpacing;
    const auto count = group.size();
    for (std::size_t i = 0; i < count;) {
        if (group[i].length != 1) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < count && group[last + 1].length == 1)
            ++last;
        if (last > i) {
            engraving.beams.push_back({group[i].stemRight, group[last].stemRight, secondTop});
        } else {
            // A lone sixteenth: its partial beam points into the group, towards the neighbour
            // it shares its eighth with.
            const bool first = i == 0;
            const bool lastInGroup = i + 1 == count;
            const bool onEighth = group[i].start % 2 == 0;
            const bool pointsRight = first || (!lastInGroup && onEighth);
            const qreal neighbour = pointsRight ? group[i + 1].stemRight - group[i].stemRight
                                                : group[i].stemRight - group[i - 1].stemRight;
            const qreal length = std::min(kPartialBeamLength, 0.6 * neighbour);
            if (pointsRight) {
                engraving.beams.push_back(
                    {group[i].stemRight, group[i].stemRight - stem + length, secondTop});
            } else {
                engraving.beams.push_back(
                    {group[i].stemRight - length + stem, group[i].stemRight, secondTop});
            }
        }
        i = last + 1;
    }
}

} // namespace

QRectF Engraving::inkBounds() const {
    const SmuflFont& font = SmuflFont::bravura();
    QRectF bounds;
    for (const PlacedGlyph& glyph : glyphs)
        bounds |= font.path(glyph.glyph).boundingRect().translated(glyph.origin);
    for (const Stem& stem : stems)
        bounds |=
            QRectF(QPointF(stem.right - stemThickness, stem.top), QPointF(stem.right, stem.bottom));
    for (const Beam& beam : beams)
        bounds |= QRectF(QPointF(beam.leftStem - stemThickness, beam.top),
                         QPointF(beam.right, beam.top + beamThickness));
    return bounds;
}

namespace {

// A rest at `x`, dotted or not; where the next sign may begin.
qreal placeRest(Engraving& engraving, const SmuflFont& font, const RhythmEvent& event, qreal x,
                bool dotted) {
    const Glyph rest = event.length == 1 ? Glyph::Rest16th : Glyph::Rest8th;
    engraving.glyphs.push_back({rest, QPointF(x, 0)});
    qreal right = x + font.boundingBox(rest).right();
    if (dotted) {
        const qreal dotX = right + kDotGap;
        engraving.glyphs.push_back({Glyph::AugmentationDot, QPointF(dotX, kRestDotHeight)});
        right = dotX + font.boundingBox(Glyph::AugmentationDot).width();
    }
    return right + (dotted ? kClearance : kRestClearance);
}

// A note head with its stem, dotted or not; where the next sign may begin.
qreal placeNote(Engraving& engraving, const SmuflFont& font, const BeatNote& note, bool dotted) {
    const QPointF stemAnchor = font.anchor(Glyph::NoteheadBlack, QStringLiteral("stemUpSE"));
    const qreal noteheadRight = font.boundingBox(Glyph::NoteheadBlack).right();
    engraving.glyphs.push_back({Glyph::NoteheadBlack, QPointF(note.x, 0)});
    engraving.stems.push_back({note.stemRight, kStemTop, stemAnchor.y()});
    if (!dotted)
        return note.x + noteheadRight + kNoteClearance;
    const qreal dotX = note.x + noteheadRight + kDotGap;
    engraving.glyphs.push_back({Glyph::AugmentationDot, QPointF(dotX, 0)});
    return dotX + font.boundingBox(Glyph::AugmentationDot).width() + kClearance;
}

// The flag of a lone eighth or sixteenth; where the next sign may begin.
qreal placeFlag(Engraving& engraving, const SmuflFont& font, const BeatNote& note) {
    const Engraving::PlacedGlyph flag = flagFor(engraving, font, note);
    engraving.glyphs.push_back(flag);
    return flag.origin.x() + font.boundingBox(flag.glyph).right() + kClearance;
}

} // namespace

Engraving BeatEngraver::engrave(const BeatRhythm& rhythm) {
    const SmuflFont& font = SmuflFont::bravura();
    Engraving engraving;
    engraving.stemThickness = font.engravingDefault(QStringLiteral("stemThickness"), 0.12);
    engraving.beamThickness = font.engravingDefault(QStringLiteral("beamThickness"), 0.5);
    const qreal beamSpacing = font.engravingDefault(QStringLiteral("beamSpacing"), 0.25);

    const qreal sixteenth =
        rhythm.meter == Meter::Simple ? kSimpleSixteenthWidth : kCompoundSixteenthWidth;
    const QPointF stemAnchor = font.anchor(Glyph::NoteheadBlack, QStringLiteral("stemUpSE"));
    const auto& events = rhythm.events;
    const auto count = events.size();

    // Notes shorter than a quarter that follow each other without a rest form a beamed group;
    // a lone one carries a flag.
    auto beamable = [&](std::size_t i) { return !events[i].rest && events[i].length < 4; };
    auto flagged = [&](std::size_t i) {
        return beamable(i) && !(i > 0 && beamable(i - 1)) && !(i + 1 < count && beamable(i + 1));
    };

    std::vector<std::vector<BeatNote>> groups(1);
    qreal shift = 0;
    qreal occupiedTo = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const RhythmEvent& event = events[i];
        // Time sets the place; where the previous sign leaves too little room the rest of the
        // beat moves right, still in proportion.
        qreal x = event.start * sixteenth + shift;
        if (i > 0)
            x = std::max(x, occupiedTo);
        shift = x - event.start * sixteenth;

        const bool dotted = event.length == 3 || event.length == 6;
        if (event.rest) {
            occupiedTo = placeRest(engraving, font, event, x, dotted);
            if (!groups.back().empty())
                groups.emplace_back();
            continue;
        }

        const BeatNote note{event.start, x, event.length, x + stemAnchor.x()};
        occupiedTo = placeNote(engraving, font, note, dotted);
        if (flagged(i))
            occupiedTo = std::max(occupiedTo, placeFlag(engraving, font, note));
        if (!beamable(i)) {
            if (!groups.back().empty())
                groups.emplace_back();
            continue;
        }
        groups.back().push_back(note);
    }

    for (const std::vector<BeatNote>& group : groups) {
        if (group.size() > 1)
            addBeams(engraving, group, beamSpacing);
    }
    return engraving;
}

qreal BeatEngraver::frameTop() {
    return kStemTop;
}

qreal BeatEngraver::frameBottom() {
    return SmuflFont::bravura().boundingBox(Glyph::Rest16th).bottom();
}

void BeatEngraver::paint(QPainter& painter, const Engraving& engraving, const QPointF& origin,
                         qreal staffSpace, const QColor& color) {
    const SmuflFont& font = SmuflFont::bravura();
    const qreal x0 = roundPx(origin.x());
    const qreal y0 = roundPx(origin.y());
    const qreal stemWidth = std::max<qreal>(1.0, roundPx(engraving.stemThickness * staffSpace));
    const qreal beamHeight = std::max<qreal>(1.0, roundPx(engraving.beamThickness * staffSpace));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);

    const QTransform scale = QTransform::fromScale(staffSpace, staffSpace);
    for (const Engraving::PlacedGlyph& glyph : engraving.glyphs) {
        const QPointF at(x0 + roundPx(glyph.origin.x() * staffSpace),
                         y0 + roundPx(glyph.origin.y() * staffSpace));
        painter.fillPath(scale.map(font.path(glyph.glyph)).translated(at), color);
    }
    for (const Engraving::Stem& stem : engraving.stems) {
        const qreal right = x0 + roundPx(stem.right * staffSpace);
        const qreal top = y0 + roundPx(stem.top * staffSpace);
        const qreal bottom = y0 + roundPx(stem.bottom * staffSpace);
        painter.fillRect(QRectF(QPointF(right - stemWidth, top), QPointF(right, bottom)), color);
    }
    for (const Engraving::Beam& beam : engraving.beams) {
        const qreal left = x0 + roundPx(beam.leftStem * staffSpace) - stemWidth;
        const qreal right = x0 + roundPx(beam.right * staffSpace);
        const qreal top = y0 + roundPx(beam.top * staffSpace);
        painter.fillRect(QRectF(left, top, right - left, beamHeight), color);
    }
    painter.restore();
}

void BeatEngraver::paintCentred(QPainter& painter, const QRectF& box, const BeatRhythm& rhythm,
                                qreal staffSpace, const QColor& color) {
    const Engraving engraving = engrave(rhythm);
    const QRectF ink = engraving.inkBounds();
    if (ink.isEmpty() || box.isEmpty() || staffSpace <= 0)
        return;
    const qreal frameHeight = frameBottom() - frameTop();
    // Keep a little white on either side so that neighbouring cells never touch.
    const qreal margin = std::max<qreal>(1.0, box.width() * 0.025);
    qreal space = staffSpace;
    space = std::min(space, (box.width() - 2 * margin) / ink.width());
    space = std::min(space, (box.height() - 2 * margin) / frameHeight);
    if (space <= 0)
        return;
    const QPointF origin(box.center().x() - (ink.left() + ink.width() / 2) * space,
                         box.center().y() - (frameTop() + frameHeight / 2) * space);
    paint(painter, engraving, origin, space, color);
}

} // namespace notation
