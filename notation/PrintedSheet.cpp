#include "PrintedSheet.h"

#include <QDir>
#include <QSaveFile>

namespace notation {

PrintedSheet::PrintedSheet(const QString& path, const QString& title, const QString& creator)
    : path_(path), title_(title), pdf_(&document_) {
    document_.open(QIODevice::WriteOnly);
    pdf_.setTitle(title);
    pdf_.setCreator(creator);
    pdf_.setResolution(96);
    pdf_.setPageSize(QPageSize(QPageSize::A4));
    pdf_.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
}

bool PrintedSheet::begin() {
    return painter_.begin(&pdf_);
}

QFont PrintedSheet::font(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

qreal PrintedSheet::page(const QString& subtitle) {
    if (started_)
        pdf_.newPage();
    started_ = true;
    painter_.setPen(Qt::black);
    painter_.setFont(font(22, true));
    painter_.drawText(QRectF(0, 0, width(), 30), Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter_.setFont(font(14));
    painter_.drawText(QRectF(0, 32, width(), 22), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    return 76;
}

QString PrintedSheet::finish() {
    if (!painter_.isActive() || !painter_.end())
        return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path_));
    const auto couldNotWrite = [this](const QString& why) {
        return QStringLiteral("%1 could not be written: %2")
            .arg(QDir::toNativeSeparators(path_), why);
    };
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return couldNotWrite(file.errorString());
    // A write that the disk takes only in part is followed by one for the rest, which fails with
    // the system's reason (a full disk, for one).
    const QByteArray& pdf = document_.data();
    for (qsizetype done = 0; done < pdf.size();) {
        const qint64 written = file.write(pdf.constData() + done, pdf.size() - done);
        if (written <= 0)
            return couldNotWrite(file.errorString());
        done += written;
    }
    if (!file.commit())
        return couldNotWrite(file.errorString());
    return {};
}

} // namespace notation
