#pragma once

#include <QString>
#include <stdexcept>

namespace impgrid {

// A grid file could not be read or written; what() is a sentence for the user, naming the file
// and, when reading, the line.
class GridFileError : public std::runtime_error {
public:
    explicit GridFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};

} // namespace impgrid
