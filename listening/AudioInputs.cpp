#include "AudioInputs.h"

namespace listening {

QList<AudioInput> AudioInputs::list() {
    InputBackend* backend = inputBackend();
    return backend != nullptr ? backend->inputs() : QList<AudioInput>();
}

std::optional<AudioInput> AudioInputs::find(const QString& idOrDescription) {
    const QList<AudioInput> inputs = list();
    if (inputs.isEmpty())
        return std::nullopt;
    if (idOrDescription.isEmpty())
        return inputs.first();
    for (const AudioInput& input : inputs)
        if (input.id == idOrDescription.toUtf8())
            return input;
    for (const AudioInput& input : inputs)
        if (input.description == idOrDescription)
            return input;
    return std::nullopt;
}

} // namespace listening
