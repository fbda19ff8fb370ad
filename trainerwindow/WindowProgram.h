#pragma once

#include "KeyLimits.h"
#include "WindowOptions.h"

#include <QString>

#include <functional>
#include <memory>

class ProgramLanguage;
class QObject;
class QWidget;
class TrainerWindow;

// How each trainer's window program starts, after its application object: the window's
// language (--lang), the sound (--audio-file; none at all for --screenshot), and the picture and
// start-up probe options.
class WindowProgram {
public:
    // Installs the window's language and sets up its sound as `options` say. `program` names
    // the program on the command line ("tonewise"), `title` in its boxes; the built-in
    // synthesizer loads the sounds of `keys` only.
    WindowProgram(const QString& program, const QString& title, const WindowOptions& options,
                  const midi::KeyLimits& keys = {});
    // Ends the built-in synthesizer once the window is gone; when its threads are still busy
    // after a short while (reading the disk, reaching the sound server), the process ends here
    // with the program's status rather than wait for them.
    ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // --screenshot: a picture of the window is taken, and nothing sounds.
    bool takesPicture() const { return !options_.screenshot.isEmpty(); }
    bool probesStartUp() const { return options_.startupProbe; }

    // Shows `window` and runs the program until it ends. With --startup-probe, "first-paint" is
    // printed at the window's first paint and the program ends; with --screenshot the picture is
    // saved once `ready()` holds after a paint, and the program ends.
    int run(QWidget& window, const std::function<bool()>& ready);
    // A trainer's window, ready for its picture once it is maximised and scaled. While a picture
    // or the start-up time is taken, every box the window opens from the moment the program
    // starts is answered as a student would.
    int run(TrainerWindow& window);

private:
    QString program_;
    QString title_;
    WindowOptions options_;
    std::unique_ptr<ProgramLanguage> language_; // installed for as long as the program runs
    std::unique_ptr<QObject> boxAnswerer_;      // with a picture or the start-up probe
    bool ran_ = false;                          // run() has returned
    int status_ = 0;                            // and this is what it returned
};
