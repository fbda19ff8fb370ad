#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace notation {

enum class Glyph;

// The pitch trainer's grand staff, drawn with the music font.
//
// Everything is placed in the staff's design box of 235 x 145 units, which is fitted (uniform
// scale, centred) into the paint box the widget gives; nothing outside the design box is drawn.
// A staff text is placed by its top-left design point (x, y), where y is the note position
// of the staff scale: one diatonic step is 4 units, F1 is at 72, middle C (C3) at 28 on its
// ledger line, A4 at -20; the treble staff's lines carry E3 G3 B3 D4 F4 (y 20 to -12), the
// bass staff's lines G1 B1 D2 F2 A2 (y 68 to 36).
//
// Drawing is a pure function of the arguments: the painter only keeps what was drawn.
class StaffPainter {
public:
    static constexpr qreal kDesignWidth = 235;
    static constexpr qreal kDesignHeight = 145;
    // Every note takes this much room along the staff (accidental, then whole note).
    static constexpr int kNoteAdvance = 22;

    StaffPainter(QPainter& painter, const QRectF& paintBox);

    // Device pixels per design unit.
    qreal scale() const { return scale_; }
    // The device point of design x on the line or space of note position y.
    QPointF devicePoint(qreal x, qreal noteY) const;
    // The device rectangle of the design box.
    QRectF designRect() const;

    // One staff text at (x, y):
    //   "=======" five-line staff, lowest line at y, from x to the right edge of the box
    //   "&" treble clef (drawn at the G line), "?" bass clef (at the F line)
    //   "#" sharp, "b" flat, "n" natural, each in the 8 units from x, on the line or space of y
    //   "w" whole note starting at x, on the line or space of y
    //   "--" ledger line, for a whole note whose head starts 3 units to the right of x
    // "" and " " draw nothing (an accidental left blank). Returns whether anything was drawn.
    bool drawText(qreal x, qreal y, const QString& text, const QColor& color = Qt::black) const;

    // The white erase that starts every staff drawing: clears the whole paint box, and with it
    // every note, ledger line and signature drawn before.
    void erase() const;

    // Clears the box and draws both staves, both clefs and the key signature (`signatureKind`
    // "#" or "b" with `signatureCount` accidentals; any other kind draws none).
    void drawStaff(const QString& signatureKind, int signatureCount) const;

    // Draws a note at `penX` (0 is the first note position) on note position `noteY`:
    // `accidental` ("#", "b", "n", or "" / " " for none, which still takes its room), a ledger
    // line for middle C (28) and A4 (-20), and the whole note. Returns the next note's penX.
    int drawNote(int penX, int noteY, const QString& accidental) const;

private:
    qreal snapRow(qreal deviceY) const;
    qreal lineThickness(qreal designThickness) const;
    void fillHorizontalLine(qreal left, qreal right, qreal noteY, qreal designThickness,
                            const QColor& color) const;
    void fillGlyph(Glyph glyph, qreal x, qreal noteY, const QColor& color) const;
    void fillAccidental(Glyph glyph, qreal x, qreal noteY, const QColor& color) const;

    QPainter& painter_;
    QRectF paintBox_;
    qreal scale_ = 1;
    QPointF origin_;
};

} // namespace notation
