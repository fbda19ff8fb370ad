#pragma once

#include "PitchTrainerListener.h"
#include "PitchView.h"

namespace tonewise {

// The window's five displays, written with notice to the listener, which also hears of the
// staff, the score file and the busy cursor through here.
class PitchDisplays {
public:
    explicit PitchDisplays(PitchView& view) : view_(view) {}

    void setListener(PitchTrainerListener* listener) { listener_ = listener; }

    void set(PitchField field, const QString& text);
    void setAnsShow(const QString& text) { set(PitchField::AnsShow, text); }
    void setScore(const QString& text) { set(PitchField::Score, text); }
    void setItems(const QString& text) { set(PitchField::Items, text); }

    void staffChanged();
    void scoreLineAppended(const QString& file, const QString& line);
    void setBusy(bool busy);

private:
    PitchView& view_;
    PitchTrainerListener* listener_ = nullptr;
};

} // namespace tonewise
