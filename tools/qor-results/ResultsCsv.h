#pragma once

#include "ClassResults.h"

#include <QByteArray>

namespace qor {

// One row per quiz line, in RFC 4180 form (CRLF line ends, fields quoted when they hold a comma,
// a quote or a line break), UTF-8, with a header row. The last column gives the quiz's date and
// time in ISO 8601 beside the texts as written; a cell a spreadsheet would take for a formula is
// led by an apostrophe.
QByteArray resultsCsv(const ClassResults& results);

} // namespace qor
