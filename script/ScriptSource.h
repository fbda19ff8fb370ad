#pragma once

#include <QFile>
#include <QString>

// A script's lines, read one at a time from an ordinary file or from standard input ("-"). A
// file that is not an ordinary one (a pipe, a device), a script longer than 4 MiB or a line
// longer than 4096 characters is refused rather than read without end.
class ScriptSource {
public:
    // Far beyond any lesson's script, and short of what a file that never ends would fill.
    static constexpr qint64 kMostScriptBytes = 4 * 1024 * 1024;
    static constexpr qint64 kLongestLine = 4096;

    // An empty text when the script can be read; otherwise why not.
    QString open(const QString& path);
    // The next line without its line break, trimmed; false at the end. Throws ScriptError when
    // the script or the line is too long.
    bool next(QString& line);
    int number() const { return number_; }

private:
    QFile file_;
    qint64 read_ = 0;
    int number_ = 0;
};
