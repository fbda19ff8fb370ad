#pragma once

#include <QString>

#include <optional>

// A number as a student types it into a box: an optional sign and decimal digits, nothing else
// (no blanks either); nothing for any other text or a number out of range.
inline std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}
