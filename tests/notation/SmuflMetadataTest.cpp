#include "SmuflFont.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using notation::Glyph;
using notation::kGlyphCount;
using notation::SmuflFont;

namespace {

QJsonObject readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

// The programs embed only part of the font's metadata; every glyph they draw must keep its box
// and anchors exactly as the whole file gives them, or notes would be drawn off their stems.
TEST(SmuflMetadata, TheEmbeddedPartKeepsEveryDrawnGlyphExactly) {
    const QJsonObject whole = readJson(QStringLiteral(BRAVURA_METADATA));
    const QJsonObject embedded = readJson(SmuflFont::metadataPath());
    ASSERT_FALSE(whole.isEmpty());
    ASSERT_FALSE(embedded.isEmpty());
    EXPECT_EQ(embedded.value("engravingDefaults"), whole.value("engravingDefaults"));

    for (int i = 0; i < kGlyphCount; ++i) {
        const QString name = SmuflFont::glyphName(static_cast<Glyph>(i));
        SCOPED_TRACE(name.toStdString());
        const QJsonValue box = whole.value("glyphBBoxes").toObject().value(name);
        ASSERT_TRUE(box.isObject());
        EXPECT_EQ(embedded.value("glyphBBoxes").toObject().value(name), box);
        EXPECT_EQ(embedded.value("glyphsWithAnchors").toObject().value(name),
                  whole.value("glyphsWithAnchors").toObject().value(name));
    }
    // Nothing else travels with the programs.
    EXPECT_EQ(embedded.value("glyphBBoxes").toObject().size(), kGlyphCount);
    EXPECT_LT(QFile(SmuflFont::metadataPath()).size(), 16 * 1024);
}

TEST(SmuflMetadata, BoxesAndAnchorsReadFromItAreInStaffSpacesWithYDown) {
    const SmuflFont& font = SmuflFont::bravura();
    ASSERT_TRUE(font.isLoaded());
    // A black notehead is 1.18 spaces wide and one space high, centred on its baseline.
    const QRectF head = font.boundingBox(Glyph::NoteheadBlack);
    EXPECT_DOUBLE_EQ(head.left(), 0.0);
    EXPECT_DOUBLE_EQ(head.width(), 1.18);
    EXPECT_DOUBLE_EQ(head.top(), -0.5);
    EXPECT_DOUBLE_EQ(head.bottom(), 0.5);
    // An up stem meets the notehead's right side a little above its middle.
    const QPointF stemUp = font.anchor(Glyph::NoteheadBlack, QStringLiteral("stemUpSE"));
    EXPECT_DOUBLE_EQ(stemUp.x(), 1.18);
    EXPECT_DOUBLE_EQ(stemUp.y(), -0.168);
    EXPECT_DOUBLE_EQ(font.engravingDefault(QStringLiteral("staffLineThickness"), 0), 0.13);
}
