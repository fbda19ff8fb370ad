#pragma once

#include <QString>

namespace tonewise {

// The key line and the level line as the student reads them. The trainer keeps both in English
// ("Key = A Harmonic Minor.", "Scale-steps = 1 - 8 + Parallel 3."), as the score files record
// them; the window shows them in the language of its other texts. A line that names no key or
// level of ours is shown as it is.
QString shownKeyLine(const QString& keyLine);
QString shownLevelLine(const QString& levelLine);

} // namespace tonewise
