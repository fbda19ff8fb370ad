#include "RtfWriter.h"

#include "CodePage.h"

namespace scores {

namespace {

constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                           "\\uc1\\pard\\plain\\f0\\fs20 ";

void appendHexByte(QByteArray& out, unsigned char byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out.append("\\'");
    out.append(kDigits[byte >> 4]);
    out.append(kDigits[byte & 0x0F]);
}

} // namespace

QByteArray RtfWriter::escapeLine(const QString& line) {
    QByteArray out;
    out.reserve(line.size() + 16);
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out.append('\\');
            out.append(static_cast<char>(u));
        } else if (u == '\t') {
            out.append("\\tab ");
        } else if (u < 0x20 || u == 0x7F) {
            // Control characters have no place in a score line; they are left out.
        } else if (u < 0x80) {
            out.append(static_cast<char>(u));
        } else {
            // \u takes a signed 16-bit number: code units above 32767 are written negative.
            const int number = u > 0x7FFF ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
            out.append("\\u");
            out.append(QByteArray::number(number));
            if (const auto byte = CodePage::toWindows1252(c))
                appendHexByte(out, static_cast<unsigned char>(*byte));
            else
                out.append('?');
        }
    }
    return out;
}

QByteArray RtfWriter::write(const QStringList& lines) {
    // A line holding a line break is written as the lines it shows.
    QStringList flat;
    for (const QString& line : lines) {
        QString text = line;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        flat.append(text.split(QLatin1Char('\n')));
    }

    QByteArray out(kHeader);
    for (qsizetype i = 0; i < flat.size(); ++i) {
        if (i > 0)
            out.append("\n\\par ");
        out.append(escapeLine(flat[i]));
    }
    // The last paragraph needs no mark of its own; an empty last line does, or it would vanish.
    if (!flat.isEmpty() && flat.last().isEmpty())
        out.append("\n\\par ");
    out.append("\n}\n");
    return out;
}

} // namespace scores
