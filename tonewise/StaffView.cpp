#include "StaffView.h"

#include "StaffPainter.h"

#include <QPainter>

namespace {

constexpr int SungNoteX = 190; // in the staff's units, right of the question's notes

} // namespace

StaffView::StaffView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StaffView::setGlyphs(const std::vector<tonewise::StaffGlyph>& glyphs) {
    if (glyphs == glyphs_)
        return;
    glyphs_ = glyphs;
    update();
}

void StaffView::setSungHeight(std::optional<double> staffY) {
    if (staffY == sungY_)
        return;
    sungY_ = staffY;
    update();
}

void StaffView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const notation::StaffPainter staff(painter, QRectF(rect()));
    for (const tonewise::StaffGlyph& glyph : glyphs_) {
        if (glyph.erase)
            staff.erase();
        else
            staff.drawText(glyph.x, glyph.y, glyph.text);
    }
    // The voice, lightly, to the right of the written notes.
    if (sungY_)
        staff.drawText(SungNoteX, *sungY_, QStringLiteral("w"), QColor(0, 90, 255, 110));
}
