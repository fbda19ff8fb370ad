#pragma once

#include "PitchState.h"

#include <QWidget>

#include <optional>
#include <vector>

// The paint box with the grand staff: draws the trainer's staff glyphs in the music font,
// scaled to the box, on white, and the pitch sung now, lightly, at its height.
class StaffView : public QWidget {
public:
    explicit StaffView(QWidget* parent = nullptr);

    void setGlyphs(const std::vector<tonewise::StaffGlyph>& glyphs);
    const std::vector<tonewise::StaffGlyph>& glyphs() const { return glyphs_; }
    // The height of the pitch sung now in the staff's units, or none while nobody sings.
    void setSungHeight(std::optional<double> staffY);
    std::optional<double> sungHeight() const { return sungY_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<tonewise::StaffGlyph> glyphs_;
    std::optional<double> sungY_;
};
