#pragma once

#include <QString>

// A button or menu item as a trainer's window shows it.
struct ControlState {
    QString caption;
    bool enabled = true;
    bool visible = true;
};
