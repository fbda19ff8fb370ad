#pragma once

#include "InputBackend.h"

#include <QList>
#include <QString>

#include <optional>

namespace listening {

// The system's sound inputs (microphones, line inputs), as the input module sees them; none
// when the module cannot be loaded.
class AudioInputs {
public:
    // Those there are now, the system's default first.
    static QList<AudioInput> list();
    // The input of that id or, failing that, description; the default input for an empty name.
    static std::optional<AudioInput> find(const QString& idOrDescription);
};

} // namespace listening
