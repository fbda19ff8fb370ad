#include "PitchDisplays.h"

namespace tonewise {

void PitchDisplays::set(PitchField field, const QString& text) {
    QString* target = nullptr;
    switch (field) {
    case PitchField::Key:
        target = &view_.Key;
        break;
    case PitchField::QuestShw:
        target = &view_.QuestShw;
        break;
    case PitchField::AnsShow:
        target = &view_.AnsShow;
        break;
    case PitchField::Score:
        target = &view_.Score;
        break;
    case PitchField::Items:
        target = &view_.Items;
        break;
    }
    if (*target == text)
        return;
    *target = text;
    if (listener_)
        listener_->fieldChanged(field, text);
}

void PitchDisplays::staffChanged() {
    if (listener_)
        listener_->staffChanged();
}

void PitchDisplays::scoreLineAppended(const QString& file, const QString& line) {
    if (listener_)
        listener_->scoreLineAppended(file, line);
}

void PitchDisplays::setBusy(bool busy) {
    view_.busy = busy;
    if (listener_)
        listener_->busyChanged(busy);
}

} // namespace tonewise
