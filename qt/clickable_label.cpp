#include "qt/clickable_label.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "desktop/window_designs.h"
#include "qt/keys.h"
#include "qt/up_arrow_cursor.h"

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
    // Tab reaches a link; a click on it leaves the focus where it was (in a digit box, say).
    setFocusPolicy(Qt::TabFocus);
    FitPixelRatio();
}

void ClickableLabel::SetPicture(const QString& file, QSize size) {
    pictureFile_ = file;
    pictureSize_ = size;
    FitPixelRatio();
}

void ClickableLabel::FitPixelRatio() {
    const qreal ratio = devicePixelRatioF();
    if (link_) setCursor(UpArrowCursor(ratio));
    if (pictureFile_.isEmpty()) return;
    // QIcon reads the drawings for the application's ratio, the largest of its screens' (so no
    // drawing for ratio 2 while every screen has ratio 1): read again when a screen of a larger
    // ratio has come since.
    if (ratio > pictureRatio_) {
        picture_ = QIcon(pictureFile_);
        pictureRatio_ = qApp->devicePixelRatio();
    }
    setPixmap(picture_.pixmap(pictureSize_, ratio));
}

bool ClickableLabel::event(QEvent* event) {
    // Sent when the window moves to another screen, which may have another pixel ratio.
    if (event->type() == QEvent::ScreenChangeInternal) FitPixelRatio();
    return QLabel::event(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (link_ && (IsReturnKey(*event) || event->key() == Qt::Key_Space)) {
        event->accept();
        if (!event->isAutoRepeat()) emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
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

QRect ClickableLabel::ContentRect() const {
    const QSize size = pixmap().isNull() ? fontMetrics().size(Qt::TextSingleLine, text())
                                         : pixmap().deviceIndependentSize().toSize();
    return QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect());
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // The focus mark, a dotted frame: around the text in the text's colour (its bottom edge lies
    // on a link's underline), or just inside the picture, inverting what lies beneath so that it
    // shows on the blue banner.
    const bool picture = !pixmap().isNull();
    const int inset = picture ? kPictureFocusInset : 0;
    QPainter painter(this);
    if (picture) painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(picture ? QColor(Qt::white) : palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(ContentRect().intersected(rect()).adjusted(inset, inset, -1 - inset, -1 - inset));
}

}  // namespace milden
