#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;
class QWidget;

// Start-up helpers both programs share.
namespace firstpaint {

// Once any part of `window` has been painted while `ready()` holds, runs `then` after the
// events the paint leaves behind.
void watch(QWidget* window, std::function<bool()> ready, std::function<void()> then);

// Saves `window` as a PNG image at `path` once it has been painted with `ready()` holding, then
// quits the program (status 1 when the file cannot be written).
void saveScreenshot(QWidget* window, std::function<bool()> ready, const QString& path,
                    const QString& program);

// Accepts every message box the moment it shows, as a student who reads it and clicks OK, for as
// long as the returned object lives.
std::unique_ptr<QObject> answerEveryBox();

// The value after `option` in the arguments, empty when there is none.
QString optionValue(const QStringList& arguments, const QString& option);

} // namespace firstpaint
