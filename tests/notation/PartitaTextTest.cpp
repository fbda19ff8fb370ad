#include "PartitaText.h"
#include "BeatEngraver.h"
#include "BeatRhythm.h"
#include "ImageProbe.h"
#include "SmuflFont.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include <cmath>

using namespace notation;
using namespace notation::test;

namespace {

// A roomy box, so that no glyph is shrunk to fit: 24 pixels a staff space.
constexpr int kWidth = 240;
constexpr int kHeight = 168;
constexpr qreal kPixelSize = 96;
constexpr qreal kSpace = kPixelSize / 4;

QImage render(const QString& text, bool* drawn = nullptr) {
    QImage image = whiteImage(kWidth, kHeight);
    QPainter painter(&image);
    const bool result = drawPartitaText(painter, QRectF(0, 0, kWidth, kHeight), text, kPixelSize);
    if (drawn)
        *drawn = result;
    return image;
}

// The row through the noteheads' centres.
int noteLine() {
    const qreal frameMiddle = (BeatEngraver::frameTop() + BeatEngraver::frameBottom()) / 2;
    return static_cast<int>(std::lround(kHeight / 2.0 - frameMiddle * kSpace));
}

int rowAt(qreal spaces) {
    return noteLine() + static_cast<int>(std::lround(spaces * kSpace));
}

bool hasRest(const BeatRhythm& rhythm, int length = 0) {
    for (const auto& event : rhythm.events) {
        if (event.rest && (length == 0 || event.length == length))
            return true;
    }
    return false;
}

bool isBeamed(const BeatRhythm& rhythm) {
    const auto& events = rhythm.events;
    for (std::size_t i = 0; i + 1 < events.size(); ++i) {
        if (!events[i].rest && !events[i + 1].rest && events[i].length < 4 &&
            events[i + 1].length < 4)
            return true;
    }
    return false;
}

const QString a = QChar(0x00E4);
const QString A = QChar(0x00C5);

} // namespace

TEST(PartitaText, TheFontAndItsMetadataAndLicenceAreEmbedded) {
    EXPECT_TRUE(SmuflFont::bravura().isLoaded());
    EXPECT_TRUE(QFile::exists(SmuflFont::fontPath()));
    EXPECT_TRUE(QFile::exists(SmuflFont::metadataPath()));
    EXPECT_TRUE(SmuflFont::licenceText().contains("SIL Open Font License"));
    EXPECT_GT(SmuflFont::bravura().engravingDefault("stemThickness", 0), 0);
}

TEST(PartitaText, UnknownTextsDrawNothing) {
    for (const QString text : {"   ", "", "q ", "&", "w", "ee  "}) {
        bool drawn = true;
        const QImage image = render(text, &drawn);
        EXPECT_FALSE(drawn) << text.toStdString();
        EXPECT_EQ(image, whiteImage(kWidth, kHeight)) << text.toStdString();
    }
}

TEST(PartitaText, CaptionsAndAnswerGlyphsDifferingInSpacingDrawTheSameImage) {
    EXPECT_EQ(render(a + "  xx "), render(a + "  xx"));
    EXPECT_EQ(render("  q  e "), render("q  e"));
    EXPECT_EQ(render(a + " q"), render("  " + a + "  q"));
    EXPECT_NE(render("ee"), render("eee"));
    EXPECT_NE(render("q"), render("q   ."));
}

TEST(PartitaText, EveryGlyphDrawsInkAndRestsOnlyWhereThePatternHasThem) {
    // Noteheads reach half a space below their line, an eighth rest one space, a sixteenth
    // rest two.
    for (const auto& glyph : rhythmGlyphs()) {
        bool drawn = false;
        const QImage image = render(glyph.text, &drawn);
        const std::string name = glyph.text.toStdString();
        ASSERT_TRUE(drawn) << name;
        EXPECT_TRUE(hasInk(image, QRect(0, rowAt(-0.3), kWidth, rowAt(0.3) - rowAt(-0.3)))) << name;
        const QRect belowNotes(0, rowAt(0.75), kWidth, kHeight - rowAt(0.75));
        EXPECT_EQ(hasInk(image, belowNotes), hasRest(glyph.rhythm)) << name;
        const QRect belowEighthRest(0, rowAt(1.5), kWidth, kHeight - rowAt(1.5));
        EXPECT_EQ(hasInk(image, belowEighthRest), hasRest(glyph.rhythm, 1)) << name;
    }
}

TEST(PartitaText, BeamsJoinGroupedNotesAndNeverLoneOnes) {
    // The eighth beam lies between 3.5 and 3 spaces above the note line, the sixteenth beam
    // between 2.75 and 2.25; a flag is never wider than 1.1 spaces.
    const int primary = rowAt(-3.25);
    for (const auto& glyph : rhythmGlyphs()) {
        const QImage image = render(glyph.text);
        int longest = 0;
        for (int y = rowAt(-3.6); y < rowAt(-1.0); ++y)
            longest = std::max(longest, longestRun(image, y));
        if (isBeamed(glyph.rhythm))
            EXPECT_GE(longestRun(image, primary), 1.5 * kSpace) << glyph.text.toStdString();
        else
            EXPECT_LT(longest, 1.2 * kSpace) << glyph.text.toStdString();
    }
}

TEST(PartitaText, SixteenthBeamsAndPartialBeams) {
    const int secondary = rowAt(-2.5);
    // Full sixteenth beams.
    for (const QString& text : QStringList{"111q", A + "11q", a + "  xx", "13q", "31q"})
        EXPECT_GE(longestRun(render(text), secondary), 1.5 * kSpace) << text.toStdString();
    // A lone sixteenth in a group carries a partial beam about a notehead long.
    for (const QString& text : QStringList{"e.   x", "x e.", "xe x", A + " xe", A + " ex"}) {
        const int run = longestRun(render(text), secondary);
        EXPECT_GE(run, 0.9 * kSpace) << text.toStdString();
        EXPECT_LE(run, 1.5 * kSpace) << text.toStdString();
    }
    // Eighths have no second beam: only their stems cross that row.
    for (const QString& text : QStringList{"ee", "eee", a + " e e"})
        EXPECT_LE(longestRun(render(text), secondary), 0.3 * kSpace) << text.toStdString();
}

TEST(PartitaText, BeamedGroupsHaveOneStemPerNote) {
    const int betweenBeamAndHeads = rowAt(-1.5);
    for (const auto& [text, notes] : std::vector<std::pair<QString, int>>{
             {"111q", 4}, {A + "11q", 3}, {"13q", 3}, {"eee", 3}, {a + " e e", 2}, {"ee ", 2}})
        EXPECT_EQ(runCount(render(text), betweenBeamAndHeads), notes) << text.toStdString();
}

TEST(PartitaText, GlyphsStayCentredInsideTheirCellsAndButtons) {
    struct Control {
        QSizeF size;
        qreal pixelSize;
    };
    for (const Control control : {Control{{47, 42}, 24}, Control{{54, 54}, 21}}) {
        for (const auto& glyph : rhythmGlyphs()) {
            QImage image = whiteImage(160, 160);
            const QRectF box(QPointF(50, 50), control.size);
            {
                QPainter painter(&image);
                drawPartitaText(painter, box, glyph.text, control.pixelSize, Qt::darkBlue);
            }
            const QRect inside = box.toAlignedRect();
            const int total = inkCount(image, image.rect());
            EXPECT_GT(total, 0);
            EXPECT_EQ(inkCount(image, inside), total) << glyph.text.toStdString();
            int left = image.width();
            int right = -1;
            for (int x = 0; x < image.width(); ++x) {
                if (hasInk(image, QRect(x, 0, 1, image.height()))) {
                    left = std::min(left, x);
                    right = x;
                }
            }
            EXPECT_NEAR((left + right + 1) / 2.0, box.center().x(), 1.5)
                << glyph.text.toStdString();
        }
    }
}
