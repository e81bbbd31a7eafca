// A digit box phone_text090(i): a line edit whose character keys go through the window's key
// filter first, which may run a search (Return) or cancel the key. The box has no length limit of
// its own, so text pasted from the context menu or dropped in is never cut.
#pragma once

#include <QLineEdit>
#include <functional>

namespace milden {

class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // filter is asked about each character a key types (13 for Return and Enter, 22 for the
    // keyboard paste) and about the first character of text an input method commits; a key it
    // refuses is cancelled. Keys that type nothing do not reach it.
    void SetKeyFilter(std::function<bool(char16_t code)> filter) { filter_ = std::move(filter); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool Passes(char16_t code) const { return code == 0 || !filter_ || filter_(code); }

    std::function<bool(char16_t)> filter_;
};

}  // namespace milden
