#include "qt/tolvaform_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>

#include "qt/centring.h"
#include "qt/designed_controls.h"
#include "qt/digit_box.h"
#include "qt/qt_text.h"
#include "qt/window_fonts.h"

// Qt resources of a static library are registered by hand; the macro cannot stand in a namespace.
static void InitMildenResources() { Q_INIT_RESOURCE(milden); }

namespace milden {
namespace {

// The window icon at every size drawn in resources/, so that each place shows one made for it.
QIcon WindowIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/milden"), QStringLiteral("milden-*.png")).entryInfoList()) {
        icon.addFile(file.filePath());
    }
    return icon;
}

}  // namespace

TolvaformWindow::TolvaformWindow(Tolvaform& form) : form_(form) {
    InitMildenResources();
    setObjectName(ToQString(kTolvaform.name));
    setWindowTitle(ToQString(kTolvaform.caption));
    setWindowIcon(WindowIcon());
    setFont(WindowFont());
    setWindowFlags(WindowFlagsOf(kTolvaform.border));

    auto* client = new QWidget(this);
    client->setFixedSize(TwipsSize(kTolvaform.clientWidth, kTolvaform.clientHeight));
    setCentralWidget(client);
    controls_ = BuildControls(kTolvaform, client, form_);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (auto* box = qobject_cast<DigitBox*>(controls_[i])) {
            box->SetKeyFilter([this, i](char16_t code) { return form_.KeyPress(static_cast<int>(i), code); });
        }
    }
    BuildMenu();
    // The window is exactly the menu bar over the client area, and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

void TolvaformWindow::BuildMenu() {
    help_ = menuBar()->addMenu(ToQString(kHelpMenu.caption));
    help_->setObjectName(ToQString(kHelpMenu.name));
    for (const MenuItemDesign& item : kHelpMenuItems) {
        QAction* action = IsSeparator(item) ? help_->addSeparator() : help_->addAction(ToQString(item.caption));
        action->setObjectName(ToQString(item.name));
        const int index = static_cast<int>(menuItems_.size());
        connect(action, &QAction::triggered, this, [this, index] { form_.MenuClick(index); });
        menuItems_.push_back(action);
    }
}

QWidget* TolvaformWindow::Control(int control) const { return WidgetAt(controls_, control); }

std::u16string TolvaformWindow::Text(int control) const {
    const auto* box = Control<QLineEdit>(control);
    return box ? box->text().toStdU16String() : std::u16string();
}

bool TolvaformWindow::IsSelected(int control) const {
    const auto* button = Control<QRadioButton>(control);
    return button && button->isChecked();
}

void TolvaformWindow::Select(int control) {
    if (auto* button = Control<QRadioButton>(control)) button->setChecked(true);  // its siblings clear
}

void TolvaformWindow::Show() {
    CentreOnScreen(*this);
    show();
    activateWindow();
}

void TolvaformWindow::SetFocus(int control) {
    if (QWidget* widget = Control(control)) widget->setFocus(Qt::OtherFocusReason);
}

void TolvaformWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) ReportActivation(*this, controls_, form_);
    QMainWindow::changeEvent(event);
}

void TolvaformWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) form_.Unload();
}

}  // namespace milden
