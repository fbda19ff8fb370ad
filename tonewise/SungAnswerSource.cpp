#include "SungAnswerSource.h"

#include "SungPitch.h"

#include <cmath>

namespace tonewise {

std::optional<PitchAnswer> SungAnswerSource::answerFor(const listening::HeardNote& note) const {
    if (state_.practice == Practice::Intervals)
        return std::nullopt;
    PitchAnswer answer;
    answer.midi = sungAnswerPitch(note.note, state_.QuestionPitch, state_.exactOctave);
    answer.cents = note.cents;
    answer.heardAt = static_cast<qint64>(std::llround(note.timeMs));
    return answer;
}

void SungAnswerSource::heard(const listening::HeardNote& note) {
    if (const std::optional<PitchAnswer> answer = answerFor(note))
        answers_.answer(*answer);
}

} // namespace tonewise
