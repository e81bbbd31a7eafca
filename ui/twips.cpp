#include "ui/twips.h"

#include <QWidget>

#include "ui/clickable_label.h"
#include "ui/digit_box.h"
#include "ui/option_button.h"
#include "ui/push_button.h"
#include "ui/qt_text.h"

namespace milden {
namespace {

QWidget* CreateControl(const ControlDesign& design, QWidget* parent) {
    const QString caption = ToQString(design.caption);
    switch (design.kind) {
    case ControlKind::OptionButton: return new OptionButton(caption, parent);
    case ControlKind::TextBox: return new DigitBox(parent);
    case ControlKind::PushButton: {
        auto* button = new PushButton(caption, parent);
        button->setAutoDefault(false);  // no button is a default one
        return button;
    }
    case ControlKind::Label:
    case ControlKind::PictureBox: {
        auto* label = new ClickableLabel(parent);
        // A link's accessible name goes first: Qt makes the label's interface as soon as it has text.
        if (!design.link.empty()) label->SetLink(ToQString(design.accessibleName));
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

}  // namespace

void BuildControls(const WindowDesign& window, QWidget* parent) {
    for (const ControlDesign& design : window.controls) {
        QWidget* control = CreateControl(design, parent);
        control->setObjectName(ToQString(design.name));
        control->setGeometry(PixelRect(design.rect));
        if (!design.link.empty()) control->setAccessibleDescription(ToQString(design.link));
        else if (!design.accessibleName.empty()) control->setAccessibleName(ToQString(design.accessibleName));
    }
    QWidget* previous = nullptr;
    for (const ControlDesign* design : FocusOrder(window)) {
        auto* control = parent->findChild<QWidget*>(ToQString(design->name), Qt::FindDirectChildrenOnly);
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace milden
