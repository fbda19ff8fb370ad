#pragma once

// Small helpers that read ink off a rendered image.

#include <QImage>
#include <QRect>

#include <algorithm>

namespace notation::test {

inline QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// A pixel counts as ink when it is clearly darker than the white ground.
inline bool isInk(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return false;
    return qGray(image.pixel(x, y)) < 160;
}

inline int inkCount(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(image, x, y) ? 1 : 0;
    return count;
}

inline bool hasInk(const QImage& image, const QRect& area) {
    return inkCount(image, area) > 0;
}

// The longest unbroken horizontal run of ink on row y.
inline int longestRun(const QImage& image, int y) {
    int best = 0;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = isInk(image, x, y) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// The number of separate stretches of ink on row y.
inline int runCount(const QImage& image, int y) {
    int count = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool ink = isInk(image, x, y);
        if (ink && !inside)
            ++count;
        inside = ink;
    }
    return count;
}

// The rows that hold ink within the columns [left, right], as (first, last); (-1, -1) if none.
inline std::pair<int, int> inkRows(const QImage& image, int left, int right) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x <= right; ++x) {
            if (isInk(image, x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace notation::test
