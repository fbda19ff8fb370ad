#pragma once

#include "ClassResults.h"

#include <QByteArray>

namespace qor {

// One self-contained page (no script, nothing fetched): a table of the students with their latest
// and best results in each program, then per student a chart of their quiz scores in the order
// the quizzes were taken, one point per quiz. Written as XHTML-compatible markup, UTF-8.
QByteArray resultsHtml(const ClassResults& results, const QString& folder);

} // namespace qor
