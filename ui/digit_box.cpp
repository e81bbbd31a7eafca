#include "ui/digit_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "ui/keys.h"

namespace milden {
namespace {

// A key inserts text when it is the keyboard paste, or when it types a character that is not a
// control character (Backspace, Tab and Escape are) without Ctrl: the Ctrl shortcuts copy, cut,
// select or undo, whatever text the platform attaches to them.
bool InsertsText(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) return true;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) return true;
    }
    return false;
}

}  // namespace

void DigitBox::keyPressEvent(QKeyEvent* event) {
    if (IsReturnKey(*event)) {
        emit searchKey();
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (IsFull() && InsertsText(*event)) {
        event->accept();  // discarded: taken here so that no other widget acts on it either
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitBox::inputMethodEvent(QInputMethodEvent* event) {
    if (IsFull() && !event->commitString().isEmpty()) {
        // Keep the composition going on screen, but let none of its text into the box.
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace milden
