#pragma once

#include "ClassResults.h"

#include <QByteArray>

namespace qor {

// One row per quiz line, in RFC 4180 form (CRLF line ends, fields quoted when they hold a comma,
// a quote or a line break), UTF-8, with a header row.
QByteArray resultsCsv(const ClassResults& results);

} // namespace qor
