#include "WindowProgram.h"

#include "BuiltinSynth.h"
#include "FirstPaint.h"
#include "ProgramLanguage.h"
#include "ProgramSound.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

std::optional<WindowProgram> WindowProgram::start(const QString& program, const QString& title) {
    WindowProgram start;
    start.program_ = program;
    start.title_ = title;
    start.arguments_ = QApplication::arguments();
    start.language_ = ProgramLanguage::fromArguments(program, start.arguments_);
    if (!start.language_)
        return std::nullopt;
    start.screenshot_ = firstpaint::optionValue(start.arguments_, QStringLiteral("--screenshot"));
    if (start.arguments_.contains(QStringLiteral("--screenshot")) && start.screenshot_.isEmpty()) {
        std::fprintf(stderr, "%s: --screenshot needs the path of the PNG file\n",
                     qPrintable(program));
        return std::nullopt;
    }
    if (start.takesPicture()) {
        // A picture of the window needs no sound.
        midi::SynthOptions silent;
        silent.output = midi::AudioOutput::Silent;
        midi::configureBuiltinSynth(silent);
    } else {
        start.arguments_ = midi::setUpSound(start.arguments_);
    }
    return start;
}

int WindowProgram::run(QWidget& window, const std::function<bool()>& ready) {
    if (probesStartUp()) {
        firstpaint::watch(
            &window, [] { return true; },
            [] {
                std::puts("first-paint");
                std::fflush(stdout);
                QApplication::quit();
            });
    }
    if (takesPicture())
        firstpaint::saveScreenshot(&window, ready, screenshot_, program_);
    window.show();
    if (!takesPicture())
        midi::announceSoundProblems(&window, title_);
    return QApplication::exec();
}
