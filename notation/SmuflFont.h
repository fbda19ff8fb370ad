#pragma once

#include <QHash>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

namespace notation {

// The SMuFL glyphs this system draws.
enum class Glyph {
    NoteheadBlack,
    NoteheadWhole,
    GClef,
    FClef,
    AccidentalSharp,
    AccidentalFlat,
    AccidentalNatural,
    Flag8thUp,
    Flag16thUp,
    Rest8th,
    Rest16th,
    AugmentationDot,
};
inline constexpr int kGlyphCount = 12;

// Bravura, embedded in the program together with its SMuFL metadata and licence.
//
// Every measure is in staff spaces (a quarter of the em) with y pointing down, as on screen,
// relative to the glyph's SMuFL origin (its left edge on the baseline). The metadata's y axis
// points up; it is flipped once here so that the rest of the code never has to.
class SmuflFont {
public:
    // Loaded on first use; needs a QGuiApplication.
    static const SmuflFont& bravura();

    bool isLoaded() const { return loaded_; }

    // The outline of a glyph.
    QPainterPath path(Glyph glyph) const;
    // The glyph's box from the metadata (glyphBBoxes).
    QRectF boundingBox(Glyph glyph) const;
    // A named anchor from the metadata (glyphsWithAnchors), such as "stemUpSE"; (0, 0) if the
    // glyph has none of that name.
    QPointF anchor(Glyph glyph, const QString& name) const;
    // A value of engravingDefaults, such as "stemThickness", in staff spaces; `fallback` when
    // the metadata does not give it.
    qreal engravingDefault(const QString& name, qreal fallback) const;

    // The glyph's SMuFL name, such as "noteheadBlack".
    static QString glyphName(Glyph glyph);

    // The font's licence (SIL Open Font License), for an about box.
    static QString licenceText();
    // The resource paths of the embedded files. The metadata embedded is the font's own, kept
    // to the engraving defaults and the glyphs drawn here.
    static QString fontPath();
    static QString metadataPath();
    static QString licencePath();

private:
    SmuflFont();

    struct GlyphData {
        QPainterPath path;
        QRectF box;
        QHash<QString, QPointF> anchors;
    };
    std::array<GlyphData, kGlyphCount> glyphs_;
    QHash<QString, qreal> defaults_;
    bool loaded_ = false;
};

} // namespace notation
