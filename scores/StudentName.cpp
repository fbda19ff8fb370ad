#include "StudentName.h"

#include <QCoreApplication>
#include <QStringList>

namespace scores {

namespace {

bool isReservedDeviceName(const QString& name) {
    // Windows keeps these names (with any extension) for devices.
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList kDevices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                         QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                         QStringLiteral("CLOCK$"), QStringLiteral("CONIN$"),
                                         QStringLiteral("CONOUT$")};
    if (kDevices.contains(base))
        return true;
    if (base.size() == 4 &&
        (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))) {
        // Windows also takes the superscript digits as the port's number.
        return QStringLiteral("0123456789\u00B9\u00B2\u00B3").contains(base.at(3));
    }
    return false;
}

// Characters that show nothing, or change the direction of what follows, let two different
// names look the same: "Smith" with a zero-width space in it, or with its letters turned round.
bool isInvisible(char32_t c) {
    if (QChar::category(c) == QChar::Other_Format)
        return true;
    switch (c) {
    case 0x034F: // combining grapheme joiner
    case 0x115F: // Hangul fillers, drawn as nothing
    case 0x1160:
    case 0x3164:
    case 0xFFA0:
        return true;
    default:
        return false;
    }
}

QString codePointName(char32_t c) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

bool isControl(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The name's characters as code points; false when it holds half of a surrogate pair, which no
// file system can store.
bool codePoints(const QString& name, QList<char32_t>& points) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            points.append(QChar::surrogateToUcs4(c, name.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            return false;
        } else {
            points.append(c.unicode());
        }
    }
    return true;
}

QString reason(const QString& name) {
    if (name.isEmpty())
        return QCoreApplication::translate("ScoreFiles", "it is empty");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QCoreApplication::translate("ScoreFiles", "it contains \"/\" or \"\\\"");
    if (name.contains(QLatin1String("..")))
        return QCoreApplication::translate("ScoreFiles", "it contains \"..\"");
    QList<char32_t> points;
    if (!codePoints(name, points))
        return QCoreApplication::translate("ScoreFiles", "it contains an incomplete character");
    for (char32_t c : points) {
        if (isControl(c))
            return QCoreApplication::translate(
                "ScoreFiles", "it contains a control character (such as a tab or line break)");
    }
    for (char32_t c : points) {
        if (isInvisible(c))
            return QCoreApplication::translate(
                       "ScoreFiles", "it contains an invisible or direction-changing character "
                                     "(%1), which would make it look like another name")
                .arg(codePointName(c));
    }
    for (QChar c : name) {
        if (QStringLiteral("<>:\"|?*").contains(c))
            return QCoreApplication::translate("ScoreFiles",
                                               "it contains one of the characters < > : \" | ? *");
    }
    if (name.startsWith(QLatin1Char('.')))
        return QCoreApplication::translate("ScoreFiles", "it begins with a dot");
    if (name.endsWith(QLatin1Char('.')))
        return QCoreApplication::translate("ScoreFiles", "it ends with a dot");
    if (isReservedDeviceName(name))
        return QCoreApplication::translate("ScoreFiles",
                                           "\"%1\" is a device name that Windows keeps for itself")
            .arg(name.section(QLatin1Char('.'), 0, 0));
    if (points.size() > StudentName::kMaxCharacters)
        return QCoreApplication::translate("ScoreFiles", "it is longer than %1 characters")
            .arg(StudentName::kMaxCharacters);
    // The file name also carries ".rtf" and, while it is written, a lock and a temporary suffix;
    // file systems count bytes, and characters beyond the Latin alphabet take several.
    if (const qsizetype bytes = name.toUtf8().size(); bytes > StudentName::kMaxBytes)
        return QCoreApplication::translate(
                   "ScoreFiles",
                   "it is too long for a file name: it takes %1 bytes, and at most %2 fit")
            .arg(bytes)
            .arg(StudentName::kMaxBytes);
    return {};
}

} // namespace

QString StudentName::normalised(const QString& typed) {
    return typed.trimmed();
}

QString StudentName::refusal(const QString& name) {
    const QString why = reason(name);
    if (why.isEmpty())
        return {};
    return QCoreApplication::translate("ScoreFiles",
                                       "This name cannot be used for a score file: %1. "
                                       "Please type your last name OR student ID again.")
        .arg(why);
}

} // namespace scores
