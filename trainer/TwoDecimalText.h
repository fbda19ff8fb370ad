#pragma once

#include <QString>
#include <QtGlobal>

// The displays' number format: the integer part of numerator / denominator, ".", and its first
// two decimals cut off (not rounded), always two digits: 6/7 × 100 reads "85.71", 1 reads
// "1.00". Worked out in integers, so 23/20 reads "1.15" and never "1.14". Both arguments are
// non-negative and the denominator is above 0.
QString twoDecimalText(qint64 numerator, qint64 denominator);
