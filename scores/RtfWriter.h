#pragma once

#include <QByteArray>
#include <QStringList>

namespace scores {

// Writes a list of text lines as a small rich-text (RTF) document, one paragraph per line, that
// word processors open as those lines and RtfReader reads back unchanged.
class RtfWriter {
public:
    // Characters outside ASCII are written as \uN escapes followed by their code page 1252 byte
    // (or "?" when that page lacks them) for readers that do not know Unicode.
    static QByteArray write(const QStringList& lines);

    // The escaped body text of one line (no paragraph mark).
    static QByteArray escapeLine(const QString& line);
};

} // namespace scores
