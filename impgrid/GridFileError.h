#pragma once

#include "Failure.h"

#include <QString>

namespace impgrid {

// A grid file could not be read or written; the text is a sentence for the user, naming the
// file and, when reading, the line.
class GridFileError : public Failure {
public:
    explicit GridFileError(const QString& message) : Failure(message) {}

    QString message() const { return text(); }
};

} // namespace impgrid
