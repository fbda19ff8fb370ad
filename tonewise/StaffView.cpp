#include "StaffView.h"

#include "StaffPainter.h"

#include <QPainter>

StaffView::StaffView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StaffView::setGlyphs(const std::vector<tonewise::StaffGlyph>& glyphs) {
    if (glyphs == glyphs_)
        return;
    glyphs_ = glyphs;
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
}
