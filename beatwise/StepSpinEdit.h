#pragma once

#include <QSpinBox>

// A spin edit whose number is only stepped (its arrows, the arrow and page keys, the wheel),
// never typed, so that it only ever holds the values of its steps. Its arrow buttons grow with
// its height, so that a window scaled up keeps them in proportion.
class StepSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit StepSpinEdit(QWidget* parent = nullptr);

    // The width of the arrow buttons at a given height of the control.
    static int buttonWidth(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
};
