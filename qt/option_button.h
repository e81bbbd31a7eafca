// An option button tolvaselect(i) that takes a click anywhere in its designed rectangle, not only
// on its circle and caption as QRadioButton does.
#pragma once

#include <QRadioButton>

namespace milden {

class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace milden
