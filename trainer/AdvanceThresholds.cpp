#include "AdvanceThresholds.h"

#include "Dialogs.h"
#include "WholeNumber.h"

AdvanceThresholds::Answered AdvanceThresholds::ask(Dialogs& dialogs, const Prompts& prompts) {
    Answered answered;
    const auto count = dialogs.input(prompts.countTitle, prompts.countPrompt, count_);
    if (count)
        count_ = *count;
    count_ = wholeNumberOr(count_, countDefault_);
    answered.count = count.has_value();

    const auto percent = dialogs.input(prompts.percentTitle, prompts.percentPrompt, percent_);
    if (percent)
        percent_ = *percent;
    percent_ = wholeNumberOr(percent_, percentDefault_);
    answered.percent = percent.has_value();
    return answered;
}

bool AdvanceThresholds::reached(qint64 answers, double score) const {
    return answers >= wholeNumber(count_.trimmed()).value_or(countDefault_.toInt()) &&
           score > wholeNumber(percent_.trimmed()).value_or(percentDefault_.toInt());
}

QString AdvanceThresholds::wholeNumberOr(const QString& text, const QString& fallback) {
    const auto value = wholeNumber(text.trimmed());
    if (!value || *value <= 0)
        return fallback;
    return QString::number(*value);
}
