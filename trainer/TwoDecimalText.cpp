#include "TwoDecimalText.h"

QString twoDecimalText(qint64 numerator, qint64 denominator) {
    const qint64 hundredths = numerator * 100 / denominator;
    return QStringLiteral("%1.%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}
