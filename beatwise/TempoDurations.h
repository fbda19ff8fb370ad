#pragma once

#include <QString>

// The decimal duration texts of one tempo, in the player's 10 ms units: the parts of a beat
// (quarter, half, three quarters and whole in simple meter; thirds in compound meter).
struct TempoDurations {
    QString Dur25;
    QString Dur50;
    QString Dur75;
    QString Dur100;
    QString Dur33;
    QString Dur66;
    QString Dur99;
};
