#include "CodePage.h"

#include <QStringDecoder>

#include <array>

namespace scores {

namespace {

// Bytes 0x80..0x9F of code page 1252; the five unassigned bytes keep their C1 code points,
// as Windows itself maps them.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decode1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(CodePage::fromWindows1252(static_cast<unsigned char>(b)));
    return text;
}

} // namespace

std::optional<char> CodePage::toWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i) {
        if (kHigh1252[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

QChar CodePage::fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHigh1252[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QString CodePage::decode(const QByteArray& bytes, int number) {
    if (bytes.isEmpty())
        return {};
    if (number == 1252 || number <= 0)
        return decode1252(bytes);
    if (number == 65001) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        return utf8(bytes);
    }
    QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(number));
    if (!decoder.isValid())
        decoder = QStringDecoder(QByteArray("cp") + QByteArray::number(number));
    if (!decoder.isValid())
        return decode1252(bytes);
    return decoder(bytes);
}

std::optional<int> CodePage::forCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return std::nullopt;
    }
}

} // namespace scores
