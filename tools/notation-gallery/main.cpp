// Draws every rhythm glyph of both meters with its text beneath, the rows and pattern buttons at
// their real size, and the grand staff in all 24 keys with notes, ledger lines and accidentals,
// into one PNG for a musician to review.

#include "BeatRhythm.h"
#include "CommandLine.h"
#include "PartitaText.h"
#include "SmuflFont.h"
#include "StaffPainter.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

using notation::Meter;
using notation::StaffPainter;

constexpr int kPageWidth = 1480;
constexpr int kMargin = 24;
constexpr qreal kZoom = 2.0;
// The grid cells of the rows and the pattern buttons, at their design size.
constexpr QSizeF kCell(47, 42);
constexpr qreal kCellFont = 24;
constexpr QSizeF kButton(54, 54);
constexpr qreal kButtonFont = 21;

struct Key {
    const char* name;
    const char* kind;
    int count;
    // Notes written on the staff: leading tone below, tonic, third, fifth, leading tone, octave.
    const char* notes[6];
    // The accidental written before the leading tone (minor keys only).
    const char* leadingTone;
};

// Scale notes of each key, with the leading tone written as the program writes it.
const Key kKeys[] = {
    {"C Major", " ", 0, {"B2", "C3", "E3", "G3", "B3", "C4"}, " "},
    {"A minor", "n", 0, {"G#3", "A3", "C4", "E4", "G#4", "A4"}, "#"},
    {"F Major", "b", 1, {"E3", "F3", "A3", "C4", "E4", "F4"}, " "},
    {"D Minor", "b", 1, {"C#3", "D3", "F3", "A3", "C#4", "D4"}, "#"},
    {"G Major", "#", 1, {"F#3", "G3", "B3", "D4", "F#4", "G4"}, " "},
    {"E minor", "#", 1, {"D#3", "E3", "G3", "B3", "D#4", "E4"}, "#"},
    {"Bb Major", "b", 2, {"A2", "Bb2", "D3", "F3", "A3", "Bb3"}, " "},
    {"G Minor", "b", 2, {"F#3", "G3", "Bb3", "D4", "F#4", "G4"}, "#"},
    {"D Major", "#", 2, {"C#3", "D3", "F#3", "A3", "C#4", "D4"}, " "},
    {"B Minor", "#", 2, {"A#2", "B2", "D3", "F#3", "A#3", "B3"}, "#"},
    {"Eb Major", "b", 3, {"D3", "Eb3", "G3", "Bb3", "D4", "Eb4"}, " "},
    {"C Minor", "b", 3, {"B2", "C3", "Eb3", "G3", "B3", "C4"}, "n"},
    {"A Major", "#", 3, {"G#3", "A3", "C#4", "E4", "G#4", "A4"}, " "},
    {"F# Minor", "#", 3, {"E#3", "F#3", "A3", "C#4", "E#4", "F#4"}, "#"},
    {"Ab Major", "b", 4, {"G3", "Ab3", "C4", "Eb4", "G4", "Ab4"}, " "},
    {"F Minor", "b", 4, {"E3", "F3", "Ab3", "C4", "E4", "F4"}, "n"},
    {"E Major", "#", 4, {"D#3", "E3", "G#3", "B3", "D#4", "E4"}, " "},
    {"C# Minor", "#", 4, {"B#2", "C#3", "E3", "G#3", "B#3", "C#4"}, "#"},
    {"Db Major", "b", 5, {"C3", "Db3", "F3", "Ab3", "C4", "Db4"}, " "},
    {"Gb Major", "b", 6, {"F3", "Gb3", "Bb3", "Db4", "F4", "Gb4"}, " "},
    {"B Major", "#", 5, {"A#2", "B2", "D#3", "F#3", "A#3", "B3"}, " "},
    {"F# Major", "#", 6, {"E#3", "F#3", "A#3", "C#4", "E#4", "F#4"}, " "},
    {"Bb Minor", "b", 5, {"A2", "Bb2", "Db3", "F3", "A3", "Bb3"}, "n"},
    {"Eb Minor", "b", 6, {"D3", "Eb3", "Gb3", "Bb3", "D4", "Eb4"}, "n"},
};

// The staff position of a pitch name such as "G#3": 72 - 4k, k diatonic steps above F1.
int noteY(const QString& name) {
    static const QString letters = QStringLiteral("CDEFGAB");
    const int letter = static_cast<int>(letters.indexOf(name.front()));
    const int octave = name.back().digitValue();
    const int stepsAboveF1 = letter + 7 * octave - (3 + 7);
    return 72 - 4 * stepsAboveF1;
}

QFont labelFont(int pixels, bool bold = false, bool mono = false) {
    QFont font(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void heading(QPainter& p, int& y, const QString& text) {
    p.setFont(labelFont(20, true));
    p.setPen(Qt::black);
    p.drawText(QPointF(kMargin, y + 20), text);
    y += 34;
}

// A glyph text written with its significant spaces made visible.
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char(' '), QChar(0x00B7));
    return QStringLiteral("\"%1\"").arg(shown);
}

void drawGlyphSection(QPainter& p, int& y, Meter meter) {
    const QSizeF cell = kCell * kZoom;
    const qreal pitch = cell.width() + 36;
    const int perRow = static_cast<int>((kPageWidth - 2 * kMargin) / pitch);
    int column = 0;
    for (const notation::RhythmGlyph& glyph : notation::rhythmGlyphs()) {
        if (glyph.rhythm.meter != meter)
            continue;
        const QRectF box(QPointF(kMargin + column * pitch, y), cell);
        p.fillRect(box, Qt::white);
        p.setPen(QColor(200, 200, 200));
        p.drawRect(box);
        notation::drawPartitaText(p, box, glyph.text, kCellFont * kZoom);
        p.setPen(Qt::black);
        p.setFont(labelFont(14, false, true));
        p.drawText(QRectF(box.left() - 18, box.bottom() + 4, box.width() + 36, 20),
                   Qt::AlignHCenter, shownText(glyph.text));
        if (++column == perRow) {
            column = 0;
            y += static_cast<int>(cell.height()) + 34;
        }
    }
    if (column != 0)
        y += static_cast<int>(cell.height()) + 34;
}

// One row of the answer grid at its real size: count-in, seven beats, closing beat.
void drawRow(QPainter& p, int x, int y, const std::vector<QString>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF box(QPointF(x + static_cast<qreal>(i) * kCell.width(), y), kCell);
        p.fillRect(box, Qt::white);
        p.setPen(QColor(190, 190, 190));
        p.drawRect(box);
        notation::drawPartitaText(p, box, cells[i], kCellFont);
    }
}

void drawButtons(QPainter& p, int x, int y, const std::vector<QString>& captions) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const QRectF box(QPointF(x + static_cast<qreal>(i % 5) * 56, y + (i / 5) * 56.0), kButton);
        QLinearGradient face(box.topLeft(), box.bottomLeft());
        face.setColorAt(0, QColor(245, 245, 245));
        face.setColorAt(1, QColor(175, 175, 175));
        p.fillRect(box, face);
        p.setPen(QColor(110, 110, 110));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        notation::drawPartitaText(p, box, captions[i], kButtonFont);
    }
}

void drawRealSize(QPainter& p, int& y) {
    heading(p, y,
            QStringLiteral("At their real size: answer rows (47 x 42, size 24) and pattern "
                           "buttons (54 x 54, size 21)"));
    const QString a = QChar(0x00E4);
    const QString A = QChar(0x00C5);
    drawRow(
        p, kMargin, y,
        {"ee ", "q", "13q", "31q", "e.   x", a + "   e", a + "  xx", a + " .   x", A + " xe", "q"});
    drawRow(p, kMargin + 500, y,
            {"ee ", "q", A + "11q", "x e.", "xe x", A + " e.", A + " ex", "111q", "ee", "q"});
    y += 52;
    drawRow(p, kMargin, y,
            {"eee ", "q   .", "q   .", "eee", "q  e", "e q", a + " " + a + " e", a + " e e",
             "  " + a + "  q", "q   ."});
    y += 62;
    drawButtons(p, kMargin, y,
                {"q", "ee ", "13q", "31q", "e.   x ", a + "   e ", a + "  xx ", a + " .   x",
                 A + " xe ", A + "11q", "x e .", "xe x ", A + " e .", A + " ex ", "111q"});
    drawButtons(p, kMargin + 320, y,
                {"q   .", "eee ", "  q  e ", "e q", a + " " + a + " e ", a + " e e ", a + " q"});
    y += 3 * 56 + 24;
}

void drawKeys(QPainter& p, int& y) {
    heading(p, y,
            QStringLiteral("Grand staff in the 24 keys (scale 1.5): leading tone below, "
                           "tonic, third, fifth, leading tone, octave"));
    const qreal scale = 1.5;
    const QSizeF box(StaffPainter::kDesignWidth * scale, StaffPainter::kDesignHeight * scale);
    const int perRow = 4;
    const qreal pitchX = box.width() + 10;
    const qreal pitchY = box.height() + 26;
    for (int i = 0; i < 24; ++i) {
        const Key& key = kKeys[i];
        const QPointF at(kMargin + (i % perRow) * pitchX, y + (i / perRow) * pitchY);
        p.setPen(Qt::black);
        p.setFont(labelFont(14, true));
        p.drawText(at + QPointF(4, 16), QString::fromLatin1(key.name));
        const QRectF paintBox(at + QPointF(0, 22), box);
        StaffPainter staff(p, paintBox);
        staff.drawStaff(QString::fromLatin1(key.kind), key.count);
        int penX = 0;
        for (int n = 0; n < 6; ++n) {
            const QString name = QString::fromLatin1(key.notes[n]);
            const bool leading = n == 0 || n == 4;
            const QString accidental = leading ? QString::fromLatin1(key.leadingTone) : QString();
            penX = staff.drawNote(penX, noteY(name), accidental);
        }
        p.setPen(QColor(200, 200, 200));
        p.setBrush(Qt::NoBrush);
        p.drawRect(paintBox);
    }
    y += static_cast<int>(6 * pitchY) + 10;
}

void drawNotes(QPainter& p, int& y) {
    heading(p, y,
            QStringLiteral("Notes, ledger lines and accidentals (scale 1.5 and 1, "
                           "then scale 2.5 with C3 and A4)"));
    struct Line {
        const char* title;
        std::vector<const char*> notes;
        std::vector<const char*> accidentals;
    };
    const Line lines[] = {
        {"Range: F1 G1 C2 A2 C3 E3 A4", {"F1", "G1", "C2", "A2", "C3", "E3", "A4"}, {}},
        {"Accidentals: F#1 Bb1 B2n C#3 Eb3 Cb4 Ab4",
         {"F#1", "Bb1", "B2", "C#3", "Eb3", "Cb4", "Ab4"},
         {"#", "b", "n", "#", "b", "b", "b"}},
    };
    qreal x = kMargin;
    for (qreal scale : {1.5, 1.0}) {
        for (const Line& line : lines) {
            const QSizeF size(StaffPainter::kDesignWidth * scale,
                              StaffPainter::kDesignHeight * scale);
            p.setPen(Qt::black);
            p.setFont(labelFont(12));
            p.drawText(QPointF(x + 2, y + 14), QString::fromLatin1(line.title));
            const QRectF paintBox(QPointF(x, y + 20), size);
            StaffPainter staff(p, paintBox);
            staff.drawStaff(QStringLiteral(" "), 0);
            int penX = 0;
            for (std::size_t n = 0; n < line.notes.size(); ++n) {
                const QString name = QString::fromLatin1(line.notes[n]);
                const QString accidental = n < line.accidentals.size()
                                               ? QString::fromLatin1(line.accidentals[n])
                                               : QString();
                penX = staff.drawNote(penX, noteY(name), accidental);
            }
            p.setPen(QColor(200, 200, 200));
            p.drawRect(paintBox);
            x += size.width() + 12;
        }
    }
    y += static_cast<int>(145 * 1.5) + 34;

    const qreal big = 2.5;
    const QRectF paintBox(QPointF(kMargin, y), QSizeF(235 * big, 145 * big));
    StaffPainter staff(p, paintBox);
    staff.drawStaff(QStringLiteral("#"), 6);
    int penX = staff.drawNote(0, noteY(QStringLiteral("C3")), QString());
    penX = staff.drawNote(penX, noteY(QStringLiteral("A4")), QStringLiteral("n"));
    penX = staff.drawNote(penX, noteY(QStringLiteral("C#3")), QStringLiteral("#"));
    staff.drawNote(penX, noteY(QStringLiteral("Eb3")), QStringLiteral("b"));
    p.setPen(QColor(200, 200, 200));
    p.drawRect(paintBox);

    const QRectF flats(QPointF(kMargin + 235 * big + 20, y), QSizeF(235 * big, 145 * big));
    StaffPainter flatStaff(p, flats);
    flatStaff.drawStaff(QStringLiteral("b"), 6);
    penX = flatStaff.drawNote(0, noteY(QStringLiteral("D3")), QStringLiteral("n"));
    flatStaff.drawNote(penX, noteY(QStringLiteral("Eb3")), QString());
    p.drawRect(flats);
    y += static_cast<int>(145 * big) + 20;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    CommandLine line(QStringLiteral("notation-gallery"),
                     QStringLiteral("Draws every rhythm glyph of both meters, the rows and pattern "
                                    "buttons at their real size, and the grand staff in all 24 "
                                    "keys into one PNG image, for a musician to review."));
    line.addUsage(QStringLiteral("OUT.png"));
    line.addPositional(QStringLiteral("OUT.png"), QStringLiteral("The image to write."));
    line.addExitStatus(0, QStringLiteral("The image was written."));
    line.addExitStatus(1, QStringLiteral("The music font could not be loaded, or the image could "
                                         "not be written."));
    line.addExitStatus(2, QStringLiteral("A wrong command line."));
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    if (line.positionalArguments().isEmpty())
        return line.fail(err, QStringLiteral("the image to write is missing"));
    const QString path = line.positionalArguments().constFirst();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!notation::SmuflFont::bravura().isLoaded()) {
        std::fprintf(stderr, "notation-gallery: the music font could not be loaded\n");
        return 1;
    }

    QImage page(kPageWidth, 4000, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(236, 236, 236));
    int y = kMargin;
    {
        QPainter p(&page);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        heading(p, y, QStringLiteral("Simple meter: captions and answer glyphs (zoom 2)"));
        drawGlyphSection(p, y, Meter::Simple);
        heading(p, y, QStringLiteral("Compound meter: captions and answer glyphs (zoom 2)"));
        drawGlyphSection(p, y, Meter::Compound);
        drawRealSize(p, y);
        drawKeys(p, y);
        drawNotes(p, y);
    }
    const QImage gallery = page.copy(0, 0, kPageWidth, y + kMargin);
    if (!gallery.save(path)) {
        std::fprintf(stderr, "notation-gallery: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
