#include "SmuflFont.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRawFont>
#include <QTransform>
#include <QtDebug>

namespace notation {

namespace {

// Outlines are taken at this pixel size and scaled down to staff spaces, so that no hinting
// or rounding of the font engine shows at small sizes.
constexpr qreal kOutlinePixelSize = 400.0;
constexpr qreal kStaffSpacesPerEm = 4.0;

struct GlyphInfo {
    char32_t codepoint;
    const char* name;
};

constexpr std::array<GlyphInfo, kGlyphCount> kGlyphs{{
    {0xE0A4, "noteheadBlack"},
    {0xE0A2, "noteheadWhole"},
    {0xE050, "gClef"},
    {0xE062, "fClef"},
    {0xE262, "accidentalSharp"},
    {0xE260, "accidentalFlat"},
    {0xE261, "accidentalNatural"},
    {0xE240, "flag8thUp"},
    {0xE242, "flag16thUp"},
    {0xE4E6, "rest8th"},
    {0xE4E7, "rest16th"},
    {0xE1E7, "augmentationDot"},
}};

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("notation: cannot open %s", qPrintable(path));
        return {};
    }
    return file.readAll();
}

// A metadata point [x, y] (y up) in staff spaces, flipped to y down.
QPointF metadataPoint(const QJsonValue& value) {
    const QJsonArray pair = value.toArray();
    return {pair.at(0).toDouble(), -pair.at(1).toDouble()};
}

} // namespace

const SmuflFont& SmuflFont::bravura() {
    static const SmuflFont font;
    return font;
}

SmuflFont::SmuflFont() {
    const QByteArray fontData = readResource(fontPath());
    const QByteArray metadata = readResource(metadataPath());
    if (fontData.isEmpty() || metadata.isEmpty())
        return;

    QRawFont raw(fontData, kOutlinePixelSize, QFont::PreferNoHinting);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(metadata, &error);
    if (!raw.isValid() || document.isNull()) {
        qWarning("notation: the embedded music font cannot be read");
        return;
    }
    const QJsonObject root = document.object();
    const QJsonObject defaults = root.value("engravingDefaults").toObject();
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        if (it.value().isDouble())
            defaults_.insert(it.key(), it.value().toDouble());
    }

    const QJsonObject boxes = root.value("glyphBBoxes").toObject();
    const QJsonObject anchors = root.value("glyphsWithAnchors").toObject();
    const qreal toStaffSpaces = kStaffSpacesPerEm / kOutlinePixelSize;
    bool complete = true;
    for (int i = 0; i < kGlyphCount; ++i) {
        const GlyphInfo& glyph = kGlyphs[static_cast<std::size_t>(i)];
        GlyphData& data = glyphs_[static_cast<std::size_t>(i)];
        const QString text = QString::fromUcs4(&glyph.codepoint, 1);
        const QList<quint32> indexes = raw.glyphIndexesForString(text);
        if (indexes.size() != 1 || indexes.front() == 0) {
            qWarning("notation: the music font lacks %s", glyph.name);
            complete = false;
            continue;
        }
        data.path = QTransform::fromScale(toStaffSpaces, toStaffSpaces)
                        .map(raw.pathForGlyph(indexes.front()));

        const QJsonObject box = boxes.value(glyph.name).toObject();
        if (box.isEmpty()) {
            data.box = data.path.boundingRect();
        } else {
            const QPointF northEast = metadataPoint(box.value("bBoxNE"));
            const QPointF southWest = metadataPoint(box.value("bBoxSW"));
            data.box = QRectF(QPointF(southWest.x(), northEast.y()),
                              QPointF(northEast.x(), southWest.y()));
        }
        const QJsonObject glyphAnchors = anchors.value(glyph.name).toObject();
        for (auto it = glyphAnchors.begin(); it != glyphAnchors.end(); ++it)
            data.anchors.insert(it.key(), metadataPoint(it.value()));
    }
    loaded_ = complete;
}

QPainterPath SmuflFont::path(Glyph glyph) const {
    return glyphs_[static_cast<std::size_t>(glyph)].path;
}

QRectF SmuflFont::boundingBox(Glyph glyph) const {
    return glyphs_[static_cast<std::size_t>(glyph)].box;
}

QPointF SmuflFont::anchor(Glyph glyph, const QString& name) const {
    return glyphs_[static_cast<std::size_t>(glyph)].anchors.value(name);
}

qreal SmuflFont::engravingDefault(const QString& name, qreal fallback) const {
    return defaults_.value(name, fallback);
}

QString SmuflFont::glyphName(Glyph glyph) {
    return QString::fromLatin1(kGlyphs[static_cast<std::size_t>(glyph)].name);
}

QString SmuflFont::licenceText() {
    return QString::fromUtf8(readResource(licencePath()));
}

QString SmuflFont::fontPath() {
    return QStringLiteral(":/notation/bravura/bravura.otf");
}

QString SmuflFont::metadataPath() {
    return QStringLiteral(":/notation/bravura/metadata.json");
}

QString SmuflFont::licencePath() {
    return QStringLiteral(":/notation/bravura/LICENSE.txt");
}

} // namespace notation
