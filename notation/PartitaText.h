#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace notation {

// The one entry point for every widget that shows text in the "Partita" music font.
//
// Rhythm glyph texts (the pattern buttons' captions, the answer glyphs, the count-in and
// closing glyphs of both meters) are engraved as the one-beat rhythm they stand for,
// centred in `box`; `pixelSize` is the "Partita" pixel height the control was designed
// with (21 on the pattern buttons, 24 in the rows) and scales the engraving.
// Texts that are not known glyph texts (such as "   ") draw nothing.
// Returns whether anything was drawn.
bool drawPartitaText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                     const QColor& color = Qt::black);

} // namespace notation
