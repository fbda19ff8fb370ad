#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace scores {

// Conversions between text and the 8-bit code pages that rich-text documents use for their
// \'xx escapes and unescaped bytes.
class CodePage {
public:
    // Windows code page 1252, the "ANSI" page of Western word processors: the byte for `c`, or
    // nothing when the page has no such character.
    static std::optional<char> toWindows1252(QChar c);
    static QChar fromWindows1252(unsigned char byte);

    // Decodes `bytes` written in Windows code page `number` (1252, 1251, 932, 65001...).
    // A page the system cannot decode is read as 1252, which keeps at least the ASCII letters.
    static QString decode(const QByteArray& bytes, int number);

    // The code page that an RTF font character set (\fcharsetN) implies, or nothing when the
    // character set says nothing about it (0 = ANSI, 1 = default, 2 = symbol...).
    static std::optional<int> forCharset(int charset);
};

} // namespace scores
