#include "ui/digit_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "desktop/key_filter.h"
#include "ui/keys.h"

namespace milden {
namespace {

// The character a key types, as the key filter sees it: 13 for Return and Enter, 22 for the
// keyboard paste, nothing (0) for the other Ctrl shortcuts, which copy, cut, select or undo
// whatever text the platform attaches to them.
char16_t TypedCode(const QKeyEvent& event) {
    if (IsReturnKey(event)) return kReturnCode;
    if (event.matches(QKeySequence::Paste)) return kPasteCode;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

}  // namespace

void DigitBox::keyPressEvent(QKeyEvent* event) {
    switch (FilterDigitKey(TypedCode(*event), static_cast<std::size_t>(text().size()))) {
    case DigitKeyAction::Search:
        emit searchKey();
        break;
    case DigitKeyAction::Discard:
        event->accept();  // taken here so that no other widget acts on it either
        return;
    case DigitKeyAction::Pass:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() &&
        FilterDigitKey(commit.front().unicode(), static_cast<std::size_t>(text().size())) == DigitKeyAction::Discard) {
        // Keep the composition going on screen, but let none of its text into the box.
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace milden
