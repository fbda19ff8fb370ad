#include "StepsCommand.h"

#include "MusicKeys.h"
#include "ScaleLevels.h"
#include "SpelledPitchTable.h"

#include <QTextStream>

namespace tonewise {

namespace {

constexpr int UsageError = 2;

const QString Usage = QStringLiteral(
    "Usage: tonewise --steps KEY LEVEL [--lower]\n"
    "  KEY and LEVEL as in the menus, for example: tonewise --steps \"F# Minor\" \"1,3,5\"");

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
    QStringList names;
    bool lower = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 && argument == QLatin1String("--steps"))
            continue;
        if (argument == QLatin1String("--lower"))
            lower = true;
        else
            names << argument;
    }
    if (names.size() != 2) {
        err << Usage << Qt::endl;
        return UsageError;
    }
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
