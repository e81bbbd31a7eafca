#include "ui/clickable_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace milden {
namespace {

// A link label as assistive technology sees it: role Link, and a press action that clicks it.
class LinkLabelInterface : public QAccessibleWidget {
public:
    explicit LinkLabelInterface(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
        else QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* LinkLabelFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickableLabel*>(object);
    return label && label->isLink() ? new LinkLabelInterface(label) : nullptr;
}

}  // namespace

void ClickableLabel::SetLink(const QString& name) {
    // Installed factories are asked before Qt's own.
    static const bool installed = (QAccessible::installFactory(LinkLabelFactory), true);
    (void)installed;
    link_ = true;
    setAccessibleName(name);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace milden
