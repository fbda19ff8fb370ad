#pragma once

#include "InputBackend.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QList>

#include <optional>

namespace listening {

// The system's sound inputs as the multimedia library reports them.
class SystemInputs {
public:
    // Those there are now, the system's default first.
    static QList<AudioInput> list();
    // The input of that id, if it is there.
    static std::optional<QAudioDevice> device(const QByteArray& id);
    // Whether the input of that id is still there.
    static bool present(const QByteArray& id);
};

} // namespace listening
