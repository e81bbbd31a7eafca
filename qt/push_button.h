// A push button (researchbtn, Command1) that Return and Enter press while it has the focus, as
// Space does, although no button of the windows is the default one: Return elsewhere in a window
// presses no button.
#pragma once

#include <QPushButton>

#include "qt/keys.h"

namespace milden {

class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!IsReturnKey(*event)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        event->accept();
        if (!event->isAutoRepeat()) click();  // a held key presses once, as with Space
    }
};

}  // namespace milden
