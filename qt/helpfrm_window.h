// The help window helpfrm in Qt: the view of its behaviour (desktop/helpfrm.h), a dialog that is
// a child of the main window. It builds its controls from the design and passes clicks and
// activation to the behaviour.
#pragma once

#include <QDialog>
#include <vector>

#include "desktop/front_end.h"

namespace milden {

class HelpfrmWindow : public QDialog, public HelpfrmView {
    Q_OBJECT
public:
    HelpfrmWindow(FormEvents& help, QWidget* parent);

    void ShowModal() override;
    void Close() override { reject(); }
    void SetFocus(int control) override;

    // Control number control of the design (desktop/helpfrm.h names them); nullptr for none.
    QWidget* Control(int control) const;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FormEvents& help_;
    std::vector<QWidget*> controls_;
};

}  // namespace milden
