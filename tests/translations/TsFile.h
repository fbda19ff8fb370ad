#pragma once

#include <QString>
#include <QStringList>

// What a translator's file (Qt Linguist .ts) still lacks or gets wrong: entries that are
// unfinished, vanished or obsolete (the source text no longer exists), empty translations,
// translations that drop or add a %1 place marker, and menu captions that lose their access key.
// Each problem is one line naming the context and the source text; none when the file is fit to
// ship. A file that cannot be read or parsed is a problem too.
QStringList tsProblems(const QString& path);

// The number of translated entries in the file.
int tsEntryCount(const QString& path);

// One text of a translator's file, as it stands there.
struct TsEntry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

// Every entry of the file, in file order; none when it cannot be read.
QList<TsEntry> tsEntries(const QString& path);
