#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Reads the times of a note string as the player does: events "time;note;duration" separated by
// commas, an event starting with its note taking the previous time step, one without a duration
// the previous duration. Enough of the language for the rhythm trainer's strings.
struct TimedNote {
    int time;
    int key;
    int duration;
    bool operator==(const TimedNote&) const = default;
};

struct NoteStringTiming {
    std::vector<TimedNote> notes;
    int end = 0; // where a string joined after this one would start

    static NoteStringTiming of(const QString& text) {
        NoteStringTiming timing;
        QString s = text.trimmed().toUpper();
        s.remove(QLatin1Char(' '));
        int clock = 0;
        int step = 0;
        int duration = -1;
        for (QString token : s.split(QLatin1Char(','))) {
            if (token.isEmpty())
                continue;
            if (!token.at(0).isDigit() && token.at(0) != QLatin1Char(';'))
                token.prepend(QLatin1Char(';'));
            if (token.at(0) == QLatin1Char(';'))
                token.prepend(QString::number(step));
            if (token.count(QLatin1Char(';')) == 1)
                token.append(QLatin1Char(';'));
            if (token.endsWith(QLatin1Char(';'))) {
                if (duration < 0)
                    duration = 50;
                token.append(QString::number(duration));
            }
            const QStringList fields = token.split(QLatin1Char(';'));
            bool ok = false;
            int time = fields[0].toInt(&ok);
            if (!ok)
                time = -1;
            if (time >= 0)
                step = time;
            int length = fields.size() == 3 ? fields[2].toInt(&ok) : -1;
            if (!ok)
                length = -1;
            if (length > 0)
                duration = length;
            const QString sound = fields[1];
            const int key = sound.startsWith(QLatin1Char('N')) ? sound.mid(1).toInt(&ok) : -1;
            if (time >= 0 && length >= 0 && ok && key >= 0 && key <= 127) {
                clock += step;
                timing.notes.push_back({clock, key, duration});
            }
        }
        timing.end = clock + step;
        return timing;
    }
};
