#include "qt/helpfrm_window.h"

#include <QKeyEvent>

#include "qt/centring.h"
#include "qt/designed_controls.h"
#include "qt/qt_text.h"
#include "qt/window_fonts.h"

namespace milden {

HelpfrmWindow::HelpfrmWindow(FormEvents& help, QWidget* parent) : QDialog(parent), help_(help) {
    setObjectName(ToQString(kHelpfrm.name));
    setWindowTitle(ToQString(kHelpfrm.caption));
    setWindowFlags(WindowFlagsOf(kHelpfrm.border));
    setFixedSize(TwipsSize(kHelpfrm.clientWidth, kHelpfrm.clientHeight));
    setFont(WindowFont());
    setSizeGripEnabled(false);
    controls_ = BuildControls(kHelpfrm, this, help_);
}

void HelpfrmWindow::ShowModal() {
    CentreOnScreen(*this);
    exec();
}

void HelpfrmWindow::SetFocus(int control) {
    if (QWidget* widget = Control(control)) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* HelpfrmWindow::Control(int control) const { return WidgetAt(controls_, control); }

void HelpfrmWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) ReportActivation(*this, controls_, help_);
    QDialog::changeEvent(event);
}

void HelpfrmWindow::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape does not close it, only 閉じる and the close box do.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace milden
