#pragma once

// Stores `value` in `field`; false when the field held it already, so that a setter repaints
// only when something changed.
template <typename T> bool changed(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
