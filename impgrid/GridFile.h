#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace impgrid {

// The grid's text file: CR LF ended lines
//   "Tav Kelbin Improved Grid File"
//   "Do < NOT > mess with this!!!"
//   ColCount
//   RowCount
//   the cells column by column, each column from row 0 to row RowCount, columns 0 to ColCount
//   (one index beyond the last column and row): (ColCount + 1) x (RowCount + 1) lines
//   "yes it is a long file in text format."
//   "Tamper with it and lose it!!!"
// Texts are written as UTF-8; a line that is not valid UTF-8 is read as Windows-1252, the
// character set of files written on Windows.
namespace GridFile {

inline const QString FirstLine = QStringLiteral("Tav Kelbin Improved Grid File");
inline const QString SecondLine = QStringLiteral("Do < NOT > mess with this!!!");
inline const QString SecondLastLine = QStringLiteral("yes it is a long file in text format.");
inline const QString LastLine = QStringLiteral("Tamper with it and lose it!!!");

// Bounds that keep a damaged or hostile file from exhausting memory. A grid file from this
// component stays within them; anything beyond is reported as an error.
constexpr int MaxColCount = 10'000;
constexpr int MaxRowCount = 1'000'000;
constexpr qint64 MaxCellLines = 1'000'000; // (ColCount + 1) x (RowCount + 1)
constexpr qint64 MaxLineBytes = 1 << 20;
constexpr qint64 MaxFileBytes = qint64(64) << 20;

// Writes `lines` (already holding the whole file, without line ends) to `fileName`, each ended
// by CR LF. The file is replaced only when everything was written; the old file stays intact
// otherwise. Throws GridFileError.
void writeLines(const QString& fileName, const QStringList& lines);

// Reads a grid file line by line; every failure throws GridFileError.
class Reader {
public:
    explicit Reader(const QString& fileName);

    // The next line without its line end (CR LF, LF or CR); `what` names the expected content
    // in the error when the file ends.
    QString readLine(const QString& what);

    // The next line as a count from 1 to `maximum`.
    int readCount(const QString& what, int maximum);

    int lineNumber() const { return lineNumber_; }
    QString fileName() const { return file_.fileName(); }

private:
    bool fillBuffer();
    [[noreturn]] void fail(const QString& problem) const;

    QFile file_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    qint64 bytesRead_ = 0;
    int lineNumber_ = 0;
    bool atEnd_ = false;
};

// A text from one line of a file: UTF-8 when valid, otherwise Windows-1252.
QString decodeLine(const QByteArray& bytes);

} // namespace GridFile

} // namespace impgrid
