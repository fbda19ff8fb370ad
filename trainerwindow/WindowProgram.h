#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class ProgramLanguage;
class QWidget;

// How each trainer's window program starts, after its application object: the window's
// language (--lang), the sound (--audio-file and the other sound options; none at all for
// --screenshot), and the picture and start-up probe options.
class WindowProgram {
public:
    // Reads the program's arguments; nothing (after a message on standard error) when they are
    // wrong. `program` names the program on the command line ("tonewise"), `title` in its boxes.
    static std::optional<WindowProgram> start(const QString& program, const QString& title);

    // --screenshot: a picture of the window is taken, and nothing sounds.
    bool takesPicture() const { return !screenshot_.isEmpty(); }
    bool probesStartUp() const { return arguments_.contains(QStringLiteral("--startup-probe")); }
    const QStringList& arguments() const { return arguments_; }

    // Shows `window` and runs the program until it ends. With --startup-probe, "first-paint" is
    // printed at the window's first paint and the program ends; with --screenshot the picture is
    // saved once `ready()` holds after a paint, and the program ends.
    int run(QWidget& window, const std::function<bool()>& ready);

private:
    QString program_;
    QString title_;
    QStringList arguments_;
    QString screenshot_;
    std::shared_ptr<ProgramLanguage> language_; // installed for as long as the program runs
};
