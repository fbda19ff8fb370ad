#pragma once

#include "PitchState.h"

#include <QWidget>

#include <vector>

// The paint box with the grand staff: draws the trainer's staff glyphs in the music font,
// scaled to the box, on white.
class StaffView : public QWidget {
public:
    explicit StaffView(QWidget* parent = nullptr);

    void setGlyphs(const std::vector<tonewise::StaffGlyph>& glyphs);
    const std::vector<tonewise::StaffGlyph>& glyphs() const { return glyphs_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<tonewise::StaffGlyph> glyphs_;
};
