#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace scores {

struct RtfReadResult {
    bool ok = false;
    QStringList lines; // the document's plain text, one entry per paragraph or line break
    QString error;     // why the document could not be read, when !ok
};

// Reads the plain text of a rich-text (RTF) document as lines. Tolerant of what word processors
// write: font and colour tables, style sheets, information groups, pictures, \* groups, \bin
// data, \u and \' escapes in the document's or the font's code page, \par, \line, tables.
// A document it cannot read completely (not RTF, cut short, data after its end) is refused, so
// that no caller ever rewrites a file from a partial reading.
class RtfReader {
public:
    static RtfReadResult read(const QByteArray& document);
};

} // namespace scores
