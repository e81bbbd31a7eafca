// The keys that press what has the focus.
#pragma once

#include <QKeyEvent>

namespace milden {

// Return on the main keyboard, or Enter on the keypad.
inline bool IsReturnKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace milden
