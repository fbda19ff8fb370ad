#pragma once

#include "ControlState.h"

#include <QFont>
#include <QRect>
#include <QString>

class QTextEdit;
class QWidget;

// Pieces both trainers' windows are built from.
namespace windowparts {

// A font of that family at a size in pixels, as the windows were designed.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

// Shows a control enabled and visible as its state says.
void showControl(QWidget* widget, const ControlState& control);

// A read-only score display: white, right-aligned, one line, no scroll bars, in `font`; it
// takes no tab stop.
QTextEdit* scoreDisplay(QWidget* parent, const QString& name, const QRect& bounds,
                        const QFont& font);

// Writes `text` into a score display, keeping a little room at its right border.
void showDisplayText(QTextEdit* display, const QString& text);

} // namespace windowparts
