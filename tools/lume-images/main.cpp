// Draws the four images of the answer button TLumeButton1 into a folder:
//   BUTTON2A.png  raised capsule with its shadow, grey ground (189,189,189)
//   BUTTON1A.png  the same on white
//   BUTTON2B.png  pressed capsule (moved 5 pixels right and down, no shadow), grey ground
//   BUTTON1B.png  the same on white
// The button copies the image's left 16 columns, stretches columns 16 and 17 over its middle
// and copies the columns from 18 on to its right end (the last column twice). So the capsule
// is drawn as if on a wide button, and the image is cut from it: the ends keep their curves
// and shadow, the middle columns are two identical slices of the straight part.
//
// Usage: lume-images OUTPUT_FOLDER
#include "CommandLine.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int ImageWidth = 37;
constexpr int ImageHeight = 41;
// A button this wide has a long straight middle; the image is cut from it.
constexpr int WideWidth = 96;

// Horizontal extent of the raised capsule on a button of width w: it is centred on the
// caption's box (0 .. w - 8), and its ends lie inside the image's 16 left and 20 right columns.
constexpr double CapsuleLeft = 0.5;
constexpr double RightMargin = 8.5; // from the button's right edge
constexpr double CapsuleTop = 4.5;
constexpr double CapsuleHeight = 21.0;
constexpr double PressShift = 5.0;
constexpr double ShadowDx = 2.0;
constexpr double ShadowDy = 3.0;

QPainterPath capsule(double left, double top, double right) {
    QPainterPath path;
    const double radius = CapsuleHeight / 2;
    path.addRoundedRect(QRectF(left, top, right - left, CapsuleHeight), radius, radius);
    return path;
}

// Three box blurs of radius 1 in both directions: close to a Gaussian of two pixels' spread.
void blurAlpha(std::vector<double>& alpha, int w, int h) {
    std::vector<double> tmp(alpha.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                for (int d = -1; d <= 1; ++d)
                    sum += alpha[y * w + std::clamp(x + d, 0, w - 1)];
                tmp[y * w + x] = sum / 3;
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                for (int d = -1; d <= 1; ++d)
                    sum += tmp[std::clamp(y + d, 0, h - 1) * w + x];
                alpha[y * w + x] = sum / 3;
            }
    }
}

QImage drawWide(bool pressed, const QColor& ground) {
    QImage image(WideWidth, ImageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);

    const double shift = pressed ? PressShift : 0.0;
    const double left = CapsuleLeft + shift;
    const double right = WideWidth - RightMargin + shift;
    const double top = CapsuleTop + shift;

    if (!pressed) {
        QImage mask(WideWidth, ImageHeight, QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        {
            QPainter p(&mask);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(capsule(left + ShadowDx, top + ShadowDy, right + ShadowDx), Qt::black);
        }
        std::vector<double> alpha(WideWidth * ImageHeight);
        for (int y = 0; y < ImageHeight; ++y)
            for (int x = 0; x < WideWidth; ++x)
                alpha[y * WideWidth + x] = qAlpha(mask.pixel(x, y)) / 255.0;
        blurAlpha(alpha, WideWidth, ImageHeight);
        for (int y = 0; y < ImageHeight; ++y)
            for (int x = 0; x < WideWidth; ++x) {
                const double a = 0.55 * alpha[y * WideWidth + x];
                const QColor g = image.pixelColor(x, y);
                image.setPixelColor(x, y,
                                    QColor::fromRgbF(float(g.redF() * (1 - a)),
                                                     float(g.greenF() * (1 - a)),
                                                     float(g.blueF() * (1 - a))));
            }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = capsule(left, top, right);
    p.fillPath(body, Qt::black);
    // A soft sheen on the upper half; dimmer when pressed.
    QLinearGradient sheen(0, top, 0, top + CapsuleHeight * 0.55);
    sheen.setColorAt(0.0, QColor(255, 255, 255, pressed ? 50 : 90));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    const QPainterPath inner = capsule(left + 1.5, top + 1.0, right - 1.5).intersected(body);
    p.setClipPath(inner);
    p.fillRect(QRectF(left, top, right - left, CapsuleHeight * 0.55), sheen);
    return image;
}

QImage cut(const QImage& wide) {
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.drawImage(QRect(0, 0, 16, ImageHeight), wide, QRect(0, 0, 16, ImageHeight));
    const int middle = WideWidth / 2;
    p.drawImage(QRect(16, 0, 2, ImageHeight), wide, QRect(middle, 0, 2, ImageHeight));
    // Image columns 18 .. 36 stand for the button's columns w - 20 .. w - 2.
    p.drawImage(QRect(18, 0, ImageWidth - 18, ImageHeight), wide,
                QRect(WideWidth - 20, 0, ImageWidth - 18, ImageHeight));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    CommandLine line(QStringLiteral("lume-images"),
                     QStringLiteral("Draws the four images of the answer button into a folder: "
                                    "BUTTON2A.png and BUTTON1A.png (raised, on grey and on white), "
                                    "BUTTON2B.png and BUTTON1B.png (pressed)."));
    line.addUsage(QStringLiteral("OUTPUT_FOLDER"));
    line.addPositional(QStringLiteral("OUTPUT_FOLDER"),
                       QStringLiteral("An existing folder; its images of those names are "
                                      "replaced."));
    line.addExitStatus(0, QStringLiteral("The four images were written."));
    line.addExitStatus(1, QStringLiteral("The folder does not exist, or an image could not be "
                                         "written."));
    line.addExitStatus(2, QStringLiteral("A wrong command line."));
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    if (line.positionalArguments().isEmpty())
        return line.fail(err, QStringLiteral("the output folder is missing"));
    const QDir folder(line.positionalArguments().constFirst());
    if (!folder.exists()) {
        err << "No such folder: " << folder.path() << "\n";
        return 1;
    }
    const QColor grey(189, 189, 189);
    const QColor white(255, 255, 255);
    struct Output {
        const char* name;
        bool pressed;
        QColor ground;
    };
    const Output outputs[] = {{"BUTTON2A.png", false, grey},
                              {"BUTTON1A.png", false, white},
                              {"BUTTON2B.png", true, grey},
                              {"BUTTON1B.png", true, white}};
    for (const Output& output : outputs) {
        const QImage image = cut(drawWide(output.pressed, output.ground));
        const QString path = folder.filePath(QString::fromLatin1(output.name));
        if (!image.save(path, "PNG")) {
            err << "Cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
