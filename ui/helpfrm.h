// The help window helpfrm: usage notes, the maker's home-page link and a close button. One
// instance for the whole program, a child of the main window, shown modal from its help menu.
// Its browser reference ie stays held across closing and reopening the window.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "ui/toolkit.h"

class QPushButton;

namespace milden {

class ClickableLabel;

class Helpfrm : public QDialog {
    Q_OBJECT
public:
    Helpfrm(const Toolkit& toolkit, QWidget* parent);
    ~Helpfrm() override;

    // Shows the window centred and modal, the focus on 閉じる; returns when it has been closed.
    void ShowModal();

    // Label1(0) to Label1(6) of the design; Label1(5) is the home-page link.
    ClickableLabel* Label1(int index) const { return Label1_.at(index); }
    QPushButton* Command1() const { return Command1_; }
    // The home-page link's browser; nullptr while none is held.
    BrowserObject* ie() const { return ie_.get(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Label1_Click(int index);
    void Command1_Click();
    void ie_OnQuit();

    Toolkit toolkit_;
    std::unique_ptr<BrowserObject> ie_;
    std::array<ClickableLabel*, 7> Label1_{};
    QPushButton* Command1_ = nullptr;
};

// The one help window, created on first use as a child of tolvaform().
Helpfrm& helpfrm();

}  // namespace milden
