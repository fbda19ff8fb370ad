#include "StaffPainter.h"

#include "KeySignature.h"
#include "SmuflFont.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace notation {

namespace {

// One diatonic step is 4 units, so a staff space (two steps) is 8 units and the em 32.
constexpr qreal kStaffSpace = 8;
// How far below a text's top-left point its note position lies: the grand staff, from the top
// of the treble clef and A4 down to F1 under the bass staff, sits centred in the box, and a
// note at -80 (a hidden reference note) lies wholly above it.
constexpr qreal kNotePositionOffset = 46;
// The staff texts' vertical positions.
constexpr qreal kTrebleStaffY = 20;
constexpr qreal kBassStaffY = 68;
constexpr qreal kTrebleClefY = 12;
constexpr qreal kBassClefY = 44;
// Where the ledger text, the accidental and the whole note of a note stand.
constexpr int kAccidentalX = 74;
constexpr int kAccidentalAdvance = 8;
constexpr int kLedgerX = 71;
constexpr int kNoteX = 74;
constexpr int kNoteheadAdvance = 14;
constexpr qreal kLedgerToHead = 3;
constexpr int kMiddleC = 28;
constexpr int kA4 = -20;
// An accidental stands at the right of its cell (the room before the next note or signature
// accidental), leaving up to this much white before what follows.
constexpr qreal kAccidentalGap = 0.5;

} // namespace

StaffPainter::StaffPainter(QPainter& painter, const QRectF& paintBox)
    : painter_(painter), paintBox_(paintBox) {
    scale_ = std::min(paintBox.width() / kDesignWidth, paintBox.height() / kDesignHeight);
    if (scale_ <= 0)
        scale_ = 0;
    origin_ = paintBox.topLeft() + QPointF((paintBox.width() - kDesignWidth * scale_) / 2,
                                           (paintBox.height() - kDesignHeight * scale_) / 2);
}

QPointF StaffPainter::devicePoint(qreal x, qreal noteY) const {
    return origin_ + QPointF(x, noteY + kNotePositionOffset) * scale_;
}

QRectF StaffPainter::designRect() const {
    return QRectF(origin_, QSizeF(kDesignWidth, kDesignHeight) * scale_);
}

// Horizontal strokes and the glyphs that sit on them share one row grid, so that a line of
// one device pixel stays one crisp pixel and the noteheads stay centred on it.
qreal StaffPainter::snapRow(qreal deviceY) const {
    return std::floor(deviceY) + 0.5;
}

qreal StaffPainter::lineThickness(qreal designThickness) const {
    return std::max<qreal>(1.0, std::round(designThickness * scale_));
}

void StaffPainter::fillHorizontalLine(qreal left, qreal right, qreal noteY, qreal designThickness,
                                      const QColor& color) const {
    const qreal thickness = lineThickness(designThickness);
    qreal centre = devicePoint(0, noteY).y();
    // An odd number of pixels centres on a pixel's middle, an even number on a pixel edge.
    centre = static_cast<int>(thickness) % 2 == 1 ? snapRow(centre) : std::round(centre);
    const qreal x0 = std::round(devicePoint(left, noteY).x());
    const qreal x1 = std::round(devicePoint(right, noteY).x());
    painter_.fillRect(QRectF(x0, centre - thickness / 2, x1 - x0, thickness), color);
}

void StaffPainter::fillGlyph(Glyph glyph, qreal x, qreal noteY, const QColor& color) const {
    const SmuflFont& font = SmuflFont::bravura();
    const QPointF point = devicePoint(x, noteY);
    const qreal staffSpace = kStaffSpace * scale_;
    const QPointF at(std::round(point.x()), snapRow(point.y()));
    const QTransform transform = QTransform::fromScale(staffSpace, staffSpace);
    painter_.fillPath(transform.map(font.path(glyph)).translated(at), color);
}

void StaffPainter::fillAccidental(Glyph glyph, qreal x, qreal noteY, const QColor& color) const {
    const qreal width = SmuflFont::bravura().boundingBox(glyph).width() * kStaffSpace;
    const qreal shift = std::max<qreal>(0, kAccidentalAdvance - kAccidentalGap - width);
    fillGlyph(glyph, x + shift, noteY, color);
}

bool StaffPainter::drawText(qreal x, qreal y, const QString& text, const QColor& color) const {
    const SmuflFont& font = SmuflFont::bravura();
    if (!font.isLoaded() || scale_ <= 0)
        return false;

    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setClipRect(designRect(), Qt::IntersectClip);
    bool drawn = true;
    if (text == QLatin1String("=======")) {
        const qreal thickness =
            font.engravingDefault(QStringLiteral("staffLineThickness"), 0.13) * kStaffSpace;
        for (int line = 0; line < 5; ++line)
            fillHorizontalLine(x, kDesignWidth, y - line * kStaffSpace, thickness, color);
    } else if (text == QLatin1String("--")) {
        const qreal thickness =
            font.engravingDefault(QStringLiteral("legerLineThickness"), 0.16) * kStaffSpace;
        const qreal extension =
            font.engravingDefault(QStringLiteral("legerLineExtension"), 0.4) * kStaffSpace;
        const qreal head = font.boundingBox(Glyph::NoteheadWhole).width() * kStaffSpace;
        const qreal left = x + kLedgerToHead - extension;
        fillHorizontalLine(left, x + kLedgerToHead + head + extension, y, thickness, color);
    } else if (text == QLatin1String("&")) {
        fillGlyph(Glyph::GClef, x, y, color);
    } else if (text == QLatin1String("?")) {
        fillGlyph(Glyph::FClef, x, y, color);
    } else if (text == QLatin1String("#")) {
        fillAccidental(Glyph::AccidentalSharp, x, y, color);
    } else if (text == QLatin1String("b")) {
        fillAccidental(Glyph::AccidentalFlat, x, y, color);
    } else if (text == QLatin1String("n")) {
        fillAccidental(Glyph::AccidentalNatural, x, y, color);
    } else if (text == QLatin1String("w")) {
        fillGlyph(Glyph::NoteheadWhole, x, y, color);
    } else {
        drawn = false;
    }
    painter_.restore();
    return drawn;
}

void StaffPainter::erase() const {
    painter_.fillRect(paintBox_, Qt::white);
}

void StaffPainter::drawStaff(const QString& signatureKind, int signatureCount) const {
    erase();
    drawText(0, kTrebleStaffY, QStringLiteral("======="));
    drawText(0, kBassStaffY, QStringLiteral("======="));
    drawText(0, kBassClefY, QStringLiteral("?"));
    drawText(0, kTrebleClefY, QStringLiteral("&"));
    for (const KeySignatureGlyph& glyph : keySignatureGlyphs(signatureKind, signatureCount))
        drawText(glyph.x, glyph.y, glyph.text);
}

int StaffPainter::drawNote(int penX, int noteY, const QString& accidental) const {
    drawText(penX + kAccidentalX, noteY, accidental);
    penX += kAccidentalAdvance;
    if (noteY == kMiddleC || noteY == kA4)
        drawText(penX + kLedgerX, noteY, QStringLiteral("--"));
    drawText(penX + kNoteX, noteY, QStringLiteral("w"));
    return penX + kNoteheadAdvance;
}

} // namespace notation
