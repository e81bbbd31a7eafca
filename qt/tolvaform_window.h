// The main window tolvaform in Qt: the view of its behaviour (desktop/tolvaform.h). It builds the
// controls and the menu from the design, passes clicks, keys, menu items, activation and closing
// to the behaviour, and reads and moves its controls as the behaviour asks.
#pragma once

#include <QMainWindow>
#include <vector>

#include "desktop/tolvaform.h"

class QAction;
class QMenu;

namespace milden {

class TolvaformWindow : public QMainWindow, public TolvaformView {
    Q_OBJECT
public:
    explicit TolvaformWindow(Tolvaform& form);

    std::u16string Text(int control) const override;
    bool IsSelected(int control) const override;
    void Select(int control) override;
    void Show() override;
    void SetFocus(int control) override;

    // Control number control of the design (desktop/tolvaform.h names them); nullptr for none.
    QWidget* Control(int control) const;
    template <class Widget>
    Widget* Control(int control) const {
        return qobject_cast<Widget*>(Control(control));
    }
    QMenu* help() const { return help_; }
    QAction* MenuItem(int item) const { return menuItems_.at(static_cast<std::size_t>(item)); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();

    Tolvaform& form_;
    std::vector<QWidget*> controls_;
    QMenu* help_ = nullptr;
    std::vector<QAction*> menuItems_;
};

}  // namespace milden
