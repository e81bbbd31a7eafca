#include "qt/digit_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "desktop/key_filter.h"
#include "qt/keys.h"

namespace milden {
namespace {

// The character a key types: 13 for Return and Enter, 22 for the keyboard paste, nothing (0) for
// the other Ctrl shortcuts, which copy, cut, select or undo whatever text the platform attaches
// to them.
char16_t TypedCode(const QKeyEvent& event) {
    if (IsReturnKey(event)) return kReturnCode;
    if (event.matches(QKeySequence::Paste)) return kPasteCode;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

}  // namespace

void DigitBox::keyPressEvent(QKeyEvent* event) {
    if (!Passes(TypedCode(*event))) {
        event->accept();  // taken here so that no other widget acts on it either
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() && !Passes(commit.front().unicode())) {
        // Keep the composition going on screen, but let none of its text into the box.
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace milden
