#pragma once

#include <QString>

namespace qor {

// Text from score files made harmless to show: a control character could set a terminal's title
// or colours, an invisible or direction-changing one could make a line look like another. Each
// is shown as an escape that says which it is ("\x1B", "\u202E"); all else stays as it is.
class VisibleText {
public:
    static QString shown(const QString& text);
};

} // namespace qor
