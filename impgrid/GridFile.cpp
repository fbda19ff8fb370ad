#include "GridFile.h"

#include "GridFileError.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>

namespace impgrid::GridFile {

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

// Windows-1252 differs from Latin-1 only in 0x80 .. 0x9F; the five unassigned bytes keep their
// Latin-1 control characters.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString quoted(const QString& fileName) {
    return QLatin1Char('"') + fileName + QLatin1Char('"');
}

// A short, printable excerpt of a line for an error message.
QString excerpt(const QString& text) {
    QString shown = text.left(40);
    for (QChar& c : shown) {
        if (!c.isPrint())
            c = u'?';
    }
    return text.size() > 40 ? shown + QStringLiteral("...") : shown;
}

} // namespace

QString decodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

void writeLines(const QString& fileName, const QStringList& lines) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        throw GridFileError(QStringLiteral("Cannot write the grid file %1: %2.")
                                .arg(quoted(fileName), file.errorString()));
    }
    bool written = true;
    int systemError = 0;
    for (qsizetype i = 0; written && i < lines.size(); ++i) {
        const QByteArray bytes = lines[i].toUtf8() + "\r\n";
        // A short write is tried again with the rest, so that a real failure shows its reason.
        for (qint64 done = 0; written && done < bytes.size();) {
            errno = 0;
            const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
            systemError = errno;
            written = count > 0;
            done += count;
        }
    }
    // The last block is written by flush(); commit() alone may report success after a failed
    // final write (a full disk) and replace the file with a cut-off copy, so flush first.
    if (written) {
        errno = 0;
        written = file.flush() && file.error() == QFileDevice::NoError;
        systemError = errno;
    }
    if (!written) {
        // The file's own error text is often only "Unknown error"; the system's says why.
        const QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        file.cancelWriting();
        throw GridFileError(QStringLiteral("Cannot write the grid file %1: %2. The file was not "
                                           "changed.")
                                .arg(quoted(fileName), reason));
    }
    if (!file.commit()) {
        throw GridFileError(QStringLiteral("Cannot write the grid file %1: %2. The file was not "
                                           "changed.")
                                .arg(quoted(fileName), file.errorString()));
    }
}

Reader::Reader(const QString& fileName) : file_(fileName) {
    if (!file_.open(QIODevice::ReadOnly)) {
        throw GridFileError(QStringLiteral("Cannot open the grid file %1: %2.")
                                .arg(quoted(fileName), file_.errorString()));
    }
}

void Reader::fail(const QString& problem) const {
    throw GridFileError(QStringLiteral("The grid file %1 cannot be read: line %2: %3")
                            .arg(quoted(file_.fileName()))
                            .arg(lineNumber_)
                            .arg(problem));
}

bool Reader::fillBuffer() {
    if (atEnd_)
        return false;
    buffer_ = file_.read(ChunkBytes);
    position_ = 0;
    if (buffer_.isEmpty()) {
        if (file_.error() != QFileDevice::NoError)
            fail(QStringLiteral("%1.").arg(file_.errorString()));
        atEnd_ = true;
        return false;
    }
    bytesRead_ += buffer_.size();
    if (bytesRead_ > MaxFileBytes)
        fail(QStringLiteral("the file is larger than a grid file can be (%1 MiB).")
                 .arg(MaxFileBytes >> 20));
    return true;
}

QString Reader::readLine(const QString& what) {
    ++lineNumber_;
    QByteArray line;
    bool sawAnything = false;
    for (;;) {
        if (position_ >= buffer_.size() && !fillBuffer()) {
            if (!sawAnything)
                fail(QStringLiteral("the file ends before the %1.").arg(what));
            return decodeLine(line);
        }
        sawAnything = true;
        qsizetype end = position_;
        while (end < buffer_.size() && buffer_[end] != '\r' && buffer_[end] != '\n')
            ++end;
        line.append(buffer_.constData() + position_, end - position_);
        if (line.size() > MaxLineBytes)
            fail(QStringLiteral("the line is longer than a grid cell can be (%1 bytes).")
                     .arg(MaxLineBytes));
        position_ = end;
        if (end == buffer_.size())
            continue;
        const char ending = buffer_[position_++];
        // A CR may be followed by the LF of a CR LF pair, possibly in the next chunk.
        if (ending == '\r' && (position_ < buffer_.size() || fillBuffer()) &&
            buffer_[position_] == '\n')
            ++position_;
        return decodeLine(line);
    }
}

int Reader::readCount(const QString& what, int maximum) {
    const QString text = readLine(what).trimmed();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        fail(QStringLiteral("\"%1\" is not a %2.").arg(excerpt(text), what));
    if (value < 1)
        fail(QStringLiteral("the %1 %2 is less than 1.").arg(what).arg(value));
    if (value > maximum)
        fail(QStringLiteral("the %1 %2 is more than a grid can hold (%3).")
                 .arg(what)
                 .arg(value)
                 .arg(maximum));
    return static_cast<int>(value);
}

} // namespace impgrid::GridFile
