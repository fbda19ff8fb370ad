#include "StudentName.h"

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
        const QChar digit = base.at(3);
        return digit >= QLatin1Char('0') && digit <= QLatin1Char('9');
    }
    return false;
}

bool isControl(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString reason(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("it is empty");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("it contains \"/\" or \"\\\"");
    if (name.contains(QLatin1String("..")))
        return QStringLiteral("it contains \"..\"");
    for (QChar c : name) {
        if (isControl(c))
            return QStringLiteral("it contains a control character (such as a tab or line break)");
    }
    for (QChar c : name) {
        if (QStringLiteral("<>:\"|?*").contains(c))
            return QStringLiteral("it contains one of the characters < > : \" | ? *");
    }
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("it begins with a dot");
    if (name.endsWith(QLatin1Char('.')))
        return QStringLiteral("it ends with a dot");
    if (isReservedDeviceName(name))
        return QStringLiteral("\"%1\" is a device name that Windows keeps for itself")
            .arg(name.section(QLatin1Char('.'), 0, 0));
    // The file name also carries ".rtf" and, while it is written, a lock and a temporary suffix.
    if (name.size() > StudentName::kMaxCharacters || name.toUtf8().size() > 200)
        return QStringLiteral("it is longer than %1 characters").arg(StudentName::kMaxCharacters);
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
    return QStringLiteral("This name cannot be used for a score file: %1. "
                          "Please type your last name OR student ID again.")
        .arg(why);
}

} // namespace scores
