#include "StepsCommand.h"

#include "MusicKeys.h"
#include "ScaleLevels.h"
#include "SpelledPitchTable.h"
#include "TonewiseCommandLine.h"

#include <QTextStream>

namespace tonewise {

namespace {

constexpr int UsageError = CommandLine::UsageError;

QString keyCaptions() {
    QStringList captions;
    for (const MusicKey& key : MusicKeys())
        captions << key.caption;
    return captions.join(QStringLiteral(", "));
}

QString levelCaptions() {
    QStringList captions;
    for (const ScaleLevel& level : ScaleLevels())
        captions << QLatin1Char('"') + level.caption + QLatin1Char('"');
    return captions.join(QStringLiteral(", "));
}

} // namespace

int runStepsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    TonewiseCommandLine line;
    if (const std::optional<int> status =
            line.read(QStringList{line.program()} + arguments, out, err))
        return *status;
    if (line.mode() != TonewiseCommandLine::Mode::Steps)
        return line.fail(err, QStringLiteral("--steps needs a key and a level"));
    return runStepsCommand(line, out, err);
}

int runStepsCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const QStringList names = line.positionalArguments();
    const bool lower = line.isSet(QStringLiteral("lower"));
    if (names.size() != 2)
        return line.fail(err, QStringLiteral("--steps needs a key and a level"));
    const MusicKey* key = findKeyByCaption(names[0]);
    if (!key) {
        err << "Unknown key \"" << names[0] << "\". The keys are: " << keyCaptions() << "."
            << Qt::endl;
        return UsageError;
    }
    const ScaleLevel* level = findLevelByCaption(names[1]);
    if (!level) {
        err << "Unknown scale-step level \"" << names[1]
            << "\". The levels are: " << levelCaptions() << "." << Qt::endl;
        return UsageError;
    }

    // Db and Gb Major have no parallel notes: a parallel level plays their enharmonic keys.
    if (const auto replacement = replacementOnLevelSelect(*level, key->KeyIndex)) {
        err << replacement->message << Qt::endl;
        key = &MusicKeys()[replacement->byKey];
    }

    // As in the program: the start-up table, then the chosen key over it (Db and Gb Major keep
    // the start-up columns 12 to 16), then the level.
    KeyStepTable table;
    SetDefaultKeyTable(table);
    applyKeyStepTable(table, *key);
    const QStringList stepList = RebuildStepList(table, *level);

    out << stepList.join(u' ') << '\n';
    std::int8_t spelledIndex = 0;
    for (int step = 0; step < level->StepCount; ++step) {
        spelledIndex = FindSpelledIndex(stepList, step, spelledIndex);
        const std::int8_t sounding = lower ? OctaveLower(spelledIndex) : spelledIndex;
        const AppliedSpelling note = ApplySpelledIndex(sounding, 0);
        out << note.LetterName << ' ' << int(note.QuestionPitch) << ' ' << note.NoteY << '\n';
    }
    out.flush();
    return 0;
}

} // namespace tonewise
