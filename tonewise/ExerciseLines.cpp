#include "ExerciseLines.h"

#include "MusicKeys.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tonewise {

namespace {

const char* const kContext = "ExerciseLines";

// The key line names a minor key with its mode in full.
constexpr std::array<const char*, 11> kHarmonicMinors = {
    QT_TRANSLATE_NOOP("ExerciseLines", "A Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "D Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "E Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "G Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "B Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "C Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "F# Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "F Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "C# Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "Bb Harmonic Minor"),
    QT_TRANSLATE_NOOP("ExerciseLines", "Eb Harmonic Minor"),
};

QString translated(const char* context, const QString& text) {
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

// "C Major" as the key menu names it; "A Harmonic Minor" for the minor keys.
QString shownKeyName(const MusicKey& key) {
    if (!key.minor)
        return translated("PitchMenus", key.caption);
    const QString name = key.caption.section(u' ', 0, 0) + QStringLiteral(" Harmonic Minor");
    for (const char* minor : kHarmonicMinors)
        if (name == QLatin1String(minor))
            return QCoreApplication::translate(kContext, minor);
    return name;
}

} // namespace

QString shownKeyLine(const QString& keyLine) {
    const auto& keys = MusicKeys();
    const auto key = std::find_if(keys.begin(), keys.end(),
                                  [&keyLine](const MusicKey& k) { return k.keyText == keyLine; });
    if (key == keys.end())
        return keyLine;
    return QCoreApplication::translate("ExerciseLines", "Key = %1.").arg(shownKeyName(*key));
}

QString shownLevelLine(const QString& levelLine) {
    const QString prefix = QStringLiteral("Scale-steps = ");
    if (!levelLine.startsWith(prefix))
        return levelLine;
    // "1, 3, 5.", "1 - 8 + Parallel 3.", "5 - 1 - 8 + parallel 3,6": only the word is translated.
    QString steps = levelLine.mid(prefix.size());
    const QString parallel = QCoreApplication::translate("ExerciseLines", "Parallel",
                                                         "the parallel mode's notes, as in 1-8 + "
                                                         "Parallel 3");
    // The lines spell the word with a capital or without; a translation spells it its own way.
    if (parallel != QLatin1String("Parallel"))
        steps.replace(QStringLiteral("parallel"), parallel, Qt::CaseInsensitive);
    return QCoreApplication::translate("ExerciseLines", "Scale-steps = %1").arg(steps);
}

} // namespace tonewise
