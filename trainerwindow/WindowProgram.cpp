#include "WindowProgram.h"

#include "BuiltinSynth.h"
#include "FirstPaint.h"
#include "ProgramLanguage.h"
#include "ProgramSound.h"
#include "TrainerWindow.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// How long the synthesizer's threads may take to end once the window has gone: a student who
// chose Exit sees the program end within half a second.
constexpr auto SoundExitGrace = std::chrono::milliseconds(200);

} // namespace

WindowProgram::WindowProgram(const QString& program, const QString& title,
                             const WindowOptions& options, const midi::KeyLimits& keys)
    : program_(program), title_(title), options_(options),
      language_(std::make_unique<ProgramLanguage>(program, options.language)) {
    if (language_->isMissing())
        std::fprintf(stderr, "%s: no translation for \"%s\"; the window stays in English\n",
                     qPrintable(program), qPrintable(options.language));
    if (takesPicture()) {
        // A picture of the window needs no sound.
        midi::SynthOptions silent;
        silent.output = midi::AudioOutput::Silent;
        midi::configureBuiltinSynth(silent);
    } else {
        midi::setUpSound(options.audioFile, keys);
    }
    if (takesPicture() || probesStartUp()) {
        // The boxes a window opens, even while it is being made (Tonewise's start-up box), are
        // answered as a student would, so that the picture (or the time to the first paint)
        // shows the window ready for the first question.
        boxAnswerer_ = firstpaint::answerEveryBox();
    }
}

WindowProgram::~WindowProgram() {
    if (ran_ && !midi::endBuiltinSynth(SoundExitGrace)) {
        std::fflush(nullptr);
        std::_Exit(status_);
    }
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
        firstpaint::saveScreenshot(&window, ready, options_.screenshot, program_);
    window.show();
    if (!takesPicture())
        midi::announceSoundProblems(&window, title_);
    status_ = QApplication::exec();
    ran_ = true;
    return status_;
}

int WindowProgram::run(TrainerWindow& window) {
    return run(window, [&window] { return window.startedUp(); });
}
