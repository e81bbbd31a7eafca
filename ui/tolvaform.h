// The main window tolvaform: the range choice, the digit boxes with their key filter, the search,
// the help menu with the version box, and the banner. It owns the lookup data for its whole life
// and its own browser reference ie for the banner link.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "engine/lookup_session.h"
#include "ui/radio_range_options.h"
#include "ui/toolkit.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace milden {

class ClickableLabel;
class DigitBox;

class Tolvaform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tolvaform(const Toolkit& toolkit);
    ~Tolvaform() override;

    // The start-up sequence: clears the loaded flags, loads sorvane.dat from the current
    // directory, selects "090-", shows the window and puts the focus into phone_text090(0).
    void Load();

    // The controls of the design, by their names; index 0 is "090-", 1 "080-", 2 "070-".
    QRadioButton* tolvaselect(int index) const { return tolvaselect_.at(index); }
    DigitBox* phone_text090(int index) const { return phone_text090_.at(index); }
    QLabel* Label1(int index) const { return Label1_.at(index); }
    QPushButton* researchbtn() const { return researchbtn_; }
    ClickableLabel* Picture1() const { return Picture1_; }
    QMenu* help() const { return help_; }
    QAction* helpview() const { return helpview_; }
    QAction* versions() const { return versions_; }

    const LookupTables& tables() const { return session_.tables(); }
    const RangeOptions& options() const { return *options_; }
    // The banner's browser; nullptr while none is held.
    BrowserObject* ie() const { return ie_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildDesign();
    void BuildMenu();
    void researchbtn_Click();
    void helpview_Click();
    void versions_Click();
    void Picture1_Click();
    void ie_OnQuit();
    void Unload();

    Toolkit toolkit_;
    LookupSession session_;
    bool unloaded_ = false;
    std::unique_ptr<BrowserObject> ie_;

    QWidget* client_ = nullptr;
    std::array<QRadioButton*, kAllRanges.size()> tolvaselect_{};
    std::array<DigitBox*, kAllRanges.size()> phone_text090_{};
    std::array<QLabel*, kAllRanges.size()> Label1_{};
    QPushButton* researchbtn_ = nullptr;
    ClickableLabel* Picture1_ = nullptr;
    QMenu* help_ = nullptr;
    QAction* helpview_ = nullptr;
    QAction* versions_ = nullptr;
    std::unique_ptr<RadioRangeOptions> options_;
};

// The one main window of the program, created on first use with the installed toolkit.
Tolvaform& tolvaform();

// Destroys the main window (and the help window with it), if there is one; the next use of
// tolvaform() creates a new one. The program calls it before QApplication goes away.
void DestroyTolvaform();

}  // namespace milden
