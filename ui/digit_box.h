// A digit box phone_text090(i) with the window's key filter (desktop/key_filter.h): Return asks
// for a search, and once the box holds four characters no key may insert more. The box has no
// length limit of its own, so text pasted from the context menu or dropped in is never cut.
#pragma once

#include <QLineEdit>

namespace milden {

class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    // Return or Enter was pressed in the box; the key itself goes on to the box afterwards.
    void searchKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace milden
