#include "ui/helpfrm.h"

#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>

#include "ui/centring.h"
#include "ui/clickable_label.h"
#include "ui/link_procedure.h"
#include "ui/qt_text.h"
#include "ui/tolvaform.h"
#include "ui/twips.h"
#include "ui/window_fonts.h"

namespace milden {
namespace {

QPointer<Helpfrm>& Instance() {
    static QPointer<Helpfrm> instance;
    return instance;
}

// Puts two labels that share a line in different fonts on one baseline: both are drawn from the
// top of their rectangles, so the text with the higher baseline is moved down (a label's
// contents cannot reach above its rectangle).
void AlignBaselines(QLabel& first, QLabel& second) {
    const auto baseline = [](const QLabel& l) { return l.y() + l.fontMetrics().ascent(); };
    const int shift = baseline(first) - baseline(second);
    (shift > 0 ? second : first).setContentsMargins(0, std::abs(shift), 0, 0);
}

}  // namespace

Helpfrm& helpfrm() {
    QPointer<Helpfrm>& instance = Instance();
    if (!instance) instance = new Helpfrm(InstalledToolkit(), &tolvaform());
    return *instance;
}

Helpfrm::Helpfrm(const Toolkit& toolkit, QWidget* parent) : QDialog(parent), toolkit_(toolkit) {
    setObjectName(ToQString(kHelpfrm.name));
    setWindowTitle(ToQString(kHelpfrm.caption));
    // A fixed tool window: thin title bar with a close box only, kept out of the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(kHelpfrm.clientWidth, kHelpfrm.clientHeight));
    setFont(WindowFont());
    setSizeGripEnabled(false);

    BuildControls(kHelpfrm, this);
    for (int i = 0; i < 7; ++i) {
        Label1_[i] = findChild<ClickableLabel*>(QStringLiteral("Label1(%1)").arg(i), Qt::FindDirectChildrenOnly);
        connect(Label1_[i], &ClickableLabel::clicked, this, [this, i] { Label1_Click(i); });
    }
    ClickableLabel* link = Label1_[5];
    link->setFont(LinkFont());
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(kLinkColour.red, kLinkColour.green, kLinkColour.blue));
    link->setPalette(palette);
    AlignBaselines(*link, *Label1_[6]);

    Command1_ = findChild<QPushButton*>(QStringLiteral("Command1"), Qt::FindDirectChildrenOnly);
    connect(Command1_, &QPushButton::clicked, this, &Helpfrm::Command1_Click);
}

Helpfrm::~Helpfrm() = default;

void Helpfrm::ShowModal() {
    CentreOnScreen(*this);
    // Each showing starts on 閉じる, first in the tab order. Qt would start on the address label,
    // which is first after the window itself in the focus chain.
    Command1_->setFocus();
    exec();
}

void Helpfrm::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape does not close it, only 閉じる and the close box do.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Helpfrm::Label1_Click(int index) {
    if (index != 5) return;  // only the address is a link
    RunLinkProcedure(ie_, *toolkit_.browsers, ToQString(kMakerHomePage), [this] { ie_OnQuit(); });
}

void Helpfrm::Command1_Click() { reject(); }

void Helpfrm::ie_OnQuit() {
    // Called from the browser's own quit event: let it go once that event is over.
    if (BrowserObject* quit = ie_.release()) {
        QObject::disconnect(quit, &BrowserObject::OnQuit, nullptr, nullptr);
        quit->deleteLater();
    }
}

}  // namespace milden
