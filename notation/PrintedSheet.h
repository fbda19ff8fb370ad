#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

namespace notation {

// A sheet for printing: an A4 PDF drawn at 96 dots per inch inside margins of 18 mm, whose
// pages start with a heading (title and a line below it). Music is drawn on it with the
// notation module as on screen.
class PrintedSheet {
public:
    PrintedSheet(const QString& path, const QString& title, const QString& creator);

    // Starts drawing; false when the sheet cannot be drawn.
    bool begin();
    QPainter& painter() { return painter_; }
    qreal width() const { return pdf_.width(); }

    // Starts a page (a new one after the first) with the title and `subtitle`; returns where the
    // content below the heading starts.
    qreal page(const QString& subtitle);

    // A text in the sheet's font at that pixel size.
    static QFont font(int pixelSize, bool bold = false);

    // Writes the file; an empty text, or what failed as a sentence (a full disk, for one).
    QString finish();

private:
    QString path_;
    QString title_;
    // The page is made in memory and written in one piece at the end, so that a write that
    // fails is seen and reported: the PDF writer itself does not tell.
    QBuffer document_;
    QPdfWriter pdf_;
    QPainter painter_;
    bool started_ = false;
};

} // namespace notation
