#pragma once

#include <QAudioDevice>
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace listening {

// One of the system's sound inputs, as a menu lists it.
struct AudioInput {
    QByteArray id;       // the system's name for it, unique
    QString description; // what the student sees
    bool isDefault = false;
};

// The system's sound inputs (microphones, line inputs).
class AudioInputs {
public:
    // Those there are now, the system's default first.
    static QList<AudioInput> list();
    // The input of that id or, failing that, description; the default input for an empty name.
    static std::optional<QAudioDevice> find(const QString& idOrDescription);
    // Whether the input of that id is still there.
    static bool present(const QByteArray& id);
};

} // namespace listening
