#include "VisibleText.h"

namespace qor {

namespace {

bool needsEscape(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate: // half of a pair, which no terminal can show
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString escape(char32_t c) {
    const auto hex = [c](int digits) {
        return QString::number(static_cast<uint>(c), 16)
            .toUpper()
            .rightJustified(digits, QLatin1Char('0'));
    };
    if (c < 0x100)
        return QStringLiteral("\\x") + hex(2);
    if (c < 0x10000)
        return QStringLiteral("\\u") + hex(4);
    return QStringLiteral("\\U") + hex(8);
}

} // namespace

QString VisibleText::shown(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        }
        if (needsEscape(c))
            out += escape(c);
        else
            out += text.mid(i, units);
        i += units - 1;
    }
    return out;
}

} // namespace qor
