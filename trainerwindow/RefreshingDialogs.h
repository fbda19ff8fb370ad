#pragma once

#include "Dialogs.h"

#include <functional>

// Boxes that bring the window up to date before each one opens, so that the student always
// sees the state a box is about.
class RefreshingDialogs final : public Dialogs {
public:
    RefreshingDialogs(Dialogs& boxes, std::function<void()> refresh)
        : boxes_(boxes), refresh_(std::move(refresh)) {}

    void information(const QString& text) override {
        refresh_();
        boxes_.information(text);
    }
    void error(const QString& text) override {
        refresh_();
        boxes_.error(text);
    }
    bool confirm(const QString& text) override {
        refresh_();
        return boxes_.confirm(text);
    }
    bool confirmDestructive(const QString& text) override {
        refresh_();
        return boxes_.confirmDestructive(text);
    }
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& defaultText) override {
        refresh_();
        return boxes_.input(caption, prompt, defaultText);
    }
    void showScores(const QStringList& lines) override {
        refresh_();
        boxes_.showScores(lines);
    }
    std::optional<QString> chooseFolder(const QString& caption,
                                        const QString& defaultFolder) override {
        refresh_();
        return boxes_.chooseFolder(caption, defaultFolder);
    }

private:
    Dialogs& boxes_;
    std::function<void()> refresh_;
};
