#include "StaffPainter.h"
#include "ImageProbe.h"
#include "KeySignature.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>

using namespace notation;
using namespace notation::test;

namespace {

constexpr int kWidth = 235;
constexpr int kHeight = 145;
// At the design size a note position y lies on pixel row y + 46.
constexpr int kRowOffset = 46;

int row(int noteY) {
    return noteY + kRowOffset;
}

QImage draw(const std::function<void(const StaffPainter&)>& paint, int width = kWidth,
            int height = kHeight) {
    QImage image = whiteImage(width, height);
    QPainter painter(&image);
    const StaffPainter staff(painter, QRectF(0, 0, width, height));
    paint(staff);
    return image;
}

bool rowIsInked(const QImage& image, int y, int fromX, int toX) {
    return inkCount(image, QRect(fromX, y, toX - fromX + 1, 1)) == toX - fromX + 1;
}

const int kTrebleLines[] = {20, 12, 4, -4, -12};
const int kBassLines[] = {68, 60, 52, 44, 36};

} // namespace

TEST(StaffPainter, StaffLinesLieOnTheirNoteRows) {
    const QImage image = draw([](const StaffPainter& s) { s.drawStaff(" ", 0); });
    for (const int* lines : {kTrebleLines, kBassLines}) {
        for (int i = 0; i < 5; ++i) {
            const int y = lines[i];
            EXPECT_TRUE(rowIsInked(image, row(y), 100, 234)) << "line at " << y;
            // The spaces around each line are white away from the clefs.
            EXPECT_FALSE(hasInk(image, QRect(100, row(y) - 3, 135, 2))) << "above " << y;
            EXPECT_FALSE(hasInk(image, QRect(100, row(y) + 2, 135, 2))) << "below " << y;
        }
    }
    // Middle C's line is not drawn with the staff.
    EXPECT_FALSE(hasInk(image, QRect(100, row(28), 135, 1)));
}

TEST(StaffPainter, NoteheadsSitOnTheirLinesAndSpacesWithLedgerLinesWhereNeeded) {
    struct Note {
        const char* name;
        int y;
        bool ledger;
    };
    const Note notes[] = {
        {"F1", 72, false},  {"G1", 68, false}, {"B2", 32, false}, {"C3", 28, true},
        {"D3", 24, false},  {"E3", 20, false}, {"G3", 12, false}, {"C4", 0, false},
        {"F4", -12, false}, {"A4", -20, true},
    };
    for (const Note& note : notes) {
        const QImage image = draw([&](const StaffPainter& s) { s.drawNote(0, note.y, ""); });
        // The whole note starts at x 82 and is one staff space (8 units) high.
        const auto [top, bottom] = inkRows(image, 85, 92);
        ASSERT_GE(top, 0) << note.name;
        EXPECT_NEAR((top + bottom) / 2.0, row(note.y), 1.0) << note.name;
        EXPECT_NEAR(bottom - top + 1, 8, 1.5) << note.name;
        // A ledger line reaches out on both sides of the head.
        EXPECT_EQ(isInk(image, 80, row(note.y)) && isInk(image, 97, row(note.y)), note.ledger)
            << note.name;
        EXPECT_FALSE(hasInk(image, QRect(0, 0, 78, kHeight))) << note.name;
    }
}

TEST(StaffPainter, AccidentalsStandBeforeTheirNoteAndNotesAdvance) {
    for (const QString accidental : {"#", "b", "n"}) {
        int next = 0;
        const QImage image =
            draw([&](const StaffPainter& s) { next = s.drawNote(0, 12, accidental); });
        EXPECT_EQ(next, StaffPainter::kNoteAdvance);
        EXPECT_TRUE(hasInk(image, QRect(74, row(12) - 4, 8, 8))) << accidental.toStdString();
    }
    for (const QString blank : {"", " "}) {
        const QImage image = draw([&](const StaffPainter& s) { s.drawNote(0, 12, blank); });
        EXPECT_FALSE(hasInk(image, QRect(0, 0, 81, kHeight)));
    }
    // The second note: accidental at 96, head at 104.
    const QImage image =
        draw([](const StaffPainter& s) { s.drawNote(s.drawNote(0, 28, ""), 20, "#"); });
    EXPECT_TRUE(hasInk(image, QRect(97, row(20) - 4, 6, 8)));
    const auto [top, bottom] = inkRows(image, 107, 114);
    EXPECT_NEAR((top + bottom) / 2.0, row(20), 1.0);
}

TEST(StaffPainter, DrawingTheStaffErasesEarlierNotes) {
    const QImage clean = draw([](const StaffPainter& s) { s.drawStaff("#", 2); });
    const QImage redrawn = draw([](const StaffPainter& s) {
        s.drawStaff("b", 6);
        int penX = s.drawNote(0, 28, "#");
        penX = s.drawNote(penX, -20, "n");
        s.drawNote(penX, 72, "b");
        s.drawStaff("#", 2);
    });
    EXPECT_EQ(redrawn, clean);
}

TEST(StaffPainter, KeySignaturesDrawEachAccidentalInBothStaves) {
    const QImage none = draw([](const StaffPainter& s) { s.drawStaff(" ", 0); });
    EXPECT_EQ(draw([](const StaffPainter& s) { s.drawStaff("n", 0); }), none);
    EXPECT_EQ(draw([](const StaffPainter& s) { s.drawStaff("#", 0); }), none);
    for (const QString kind : {"#", "b"}) {
        const QImage image = draw([&](const StaffPainter& s) { s.drawStaff(kind, 6); });
        for (const KeySignatureGlyph& glyph : keySignatureGlyphs(kind, 6)) {
            // More ink than the bare staff in the middle of the accidental's cell.
            const QRect cell(glyph.x + 2, row(glyph.y) - 3, 4, 6);
            EXPECT_GT(inkCount(image, cell), inkCount(none, cell) + 4)
                << kind.toStdString() << " at " << glyph.x << "," << glyph.y;
        }
        // Nothing beyond the signature and before the notes.
        const QRect afterSignature(74, 0, kWidth - 74, kHeight);
        EXPECT_EQ(inkCount(image, afterSignature), inkCount(none, afterSignature));
    }
}

TEST(StaffPainter, ANoteAboveTheBoxStaysHiddenWhateverTheWidgetSize) {
    // A taller widget leaves room above the design box; the hidden reference note at -80 must
    // not show there.
    const auto paint = [](bool withHidden) {
        return draw(
            [&](const StaffPainter& s) {
                s.drawStaff(" ", 0);
                if (withHidden)
                    s.drawNote(0, -80, "#");
            },
            235, 400);
    };
    EXPECT_EQ(paint(true), paint(false));
}

TEST(StaffPainter, ScalesWithThePaintBox) {
    const QImage image = draw(
        [](const StaffPainter& s) {
            s.drawStaff(" ", 0);
            s.drawNote(0, 28, "");
        },
        470, 290);
    for (const int* lines : {kTrebleLines, kBassLines}) {
        for (int i = 0; i < 5; ++i) {
            const int y = 2 * row(lines[i]);
            EXPECT_TRUE(rowIsInked(image, y, 200, 468) || rowIsInked(image, y + 1, 200, 468))
                << lines[i];
        }
    }
    const auto [top, bottom] = inkRows(image, 170, 184);
    EXPECT_NEAR((top + bottom) / 2.0, 2 * row(28), 2.0);
}

TEST(StaffPainter, UnknownStaffTextsDrawNothing) {
    const QImage image = draw([](const StaffPainter& s) {
        EXPECT_FALSE(s.drawText(100, 20, "x"));
        EXPECT_FALSE(s.drawText(100, 20, ""));
        EXPECT_FALSE(s.drawText(100, 20, "   "));
        EXPECT_FALSE(s.drawText(100, 20, "q"));
        EXPECT_TRUE(s.drawText(100, 20, "w"));
    });
    EXPECT_TRUE(hasInk(image, QRect(100, row(20) - 2, 12, 4)));
}
