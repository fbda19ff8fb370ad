#include "QuizRecord.h"

#include <QRegularExpression>

namespace qor {

namespace {

// A number as the programs write it ("95.00", "1.00", "88"), or as a teacher may retype it.
const QString kNumber = QStringLiteral(R"(([0-9]+(?:[.,][0-9]*)?))");

QRegularExpression pattern(const QString& text) {
    return QRegularExpression(QStringLiteral("^") + text + QStringLiteral("$"),
                              QRegularExpression::CaseInsensitiveOption);
}

const QRegularExpression& rhythmQuiz() {
    static const QRegularExpression re = pattern(
        QStringLiteral(R"(Beatwise\s+Quiz\s+(.*?)\s*,\s*(.*?)\s*,\s*Rhythm\s+Patterns\s*=\s*)"
                       R"((Simple|Compound)\s*/\s*([0-9]+)\s*,\s*Tempo\s*=\s*([0-9]+)\s*,\s*)"
                       R"(Rhythm\s+Score\s*=\s*)") +
        kNumber +
        QStringLiteral(R"(\s*%?\s*,\s*Number\s+of\s+Questions\s*=\s*([0-9]+)\s*,\s*)"
                       R"(Av\.?\s*Hearings\s*=\s*)") +
        kNumber);
    return re;
}

const QRegularExpression& pitchQuestion() {
    static const QRegularExpression re =
        pattern(QStringLiteral(
                    R"(Tonewise\s+Quiz\s*=\s*(Scale\s+Steps|Intervals|Singing)\s*,\s*(.*?)\s*,\s*)"
                    R"(Key\s*=\s*([^,]*?)\s*\.?\s*,\s*Score\s+this\s+question\s*:?\s*)") +
                kNumber + QStringLiteral(R"(\s*%?)"));
    return re;
}

const QRegularExpression& pitchQuizEnd() {
    static const QRegularExpression re = pattern(
        QStringLiteral(R"(Tonewise\s+Quiz\s*,\s*(.*?)\s*,\s*Scale-?\s*steps\s*=\s*(.*?)\s*\.?\s*,)"
                       R"(\s*Number\s+of\s+Questions\s*=\s*([0-9]+)\s*,\s*)"
                       R"(Number\s+of\s+pitches\s+in\s+questions\s*=\s*([0-9]+)\s*,\s*)"
                       R"(Overall\s+Average\s+Score\s*=\s*)") +
        kNumber + QStringLiteral(R"(\s*%?)"));
    return re;
}

const QRegularExpression& pitchQuizNotDone() {
    static const QRegularExpression re =
        pattern(QStringLiteral(R"(User\s+did\s+not\s+complete\s+Tonewise\s+Quiz\s*\.?)"));
    return re;
}

QString number(const QString& text) {
    QString n = text;
    n.replace(QLatin1Char(','), QLatin1Char('.'));
    if (n.endsWith(QLatin1Char('.')))
        n.chop(1);
    return n;
}

QString capitalised(const QString& word) {
    return word.left(1).toUpper() + word.mid(1).toLower();
}

// The practice a pitch question names, as written by the program.
QString pitchExercise(const QString& named) {
    if (named.startsWith(QLatin1Char('I'), Qt::CaseInsensitive))
        return QStringLiteral("Intervals");
    if (named.startsWith(QLatin1String("Si"), Qt::CaseInsensitive))
        return QStringLiteral("Singing");
    return QStringLiteral("Scale Steps");
}

} // namespace

std::optional<double> QuizRecord::scoreValue() const {
    bool ok = false;
    const double value = score.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QuizRecord> parseScoreLine(const QString& line) {
    const QString text = line.trimmed();
    QuizRecord record;
    if (const auto m = rhythmQuiz().match(text); m.hasMatch()) {
        record.program = Program::Beatwise;
        record.kind = RecordKind::RhythmQuiz;
        record.date = m.captured(1);
        record.time = m.captured(2);
        record.meter = capitalised(m.captured(3));
        record.level = QString::number(m.captured(4).toInt());
        record.tempo = QString::number(m.captured(5).toInt());
        record.score = number(m.captured(6));
        record.questions = QString::number(m.captured(7).toInt());
        record.hearings = number(m.captured(8));
        return record;
    }
    if (const auto m = pitchQuestion().match(text); m.hasMatch()) {
        record.program = Program::Tonewise;
        record.kind = RecordKind::PitchQuestion;
        record.exercise = pitchExercise(m.captured(1));
        record.time = m.captured(2);
        record.key = m.captured(3);
        record.score = number(m.captured(4));
        return record;
    }
    if (const auto m = pitchQuizEnd().match(text); m.hasMatch()) {
        record.program = Program::Tonewise;
        record.kind = RecordKind::PitchQuizEnd;
        record.date = m.captured(1);
        record.level = m.captured(2);
        record.questions = QString::number(m.captured(3).toInt());
        record.items = QString::number(m.captured(4).toInt());
        record.score = number(m.captured(5));
        return record;
    }
    if (pitchQuizNotDone().match(text).hasMatch()) {
        record.program = Program::Tonewise;
        record.kind = RecordKind::PitchQuizNotDone;
        return record;
    }
    return std::nullopt;
}

} // namespace qor
