#include "ui/helpfrm.h"

#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>

#include "ui/centring.h"
#include "ui/clickable_label.h"
#include "ui/link_procedure.h"
#include "ui/push_button.h"
#include "ui/tolvaform.h"
#include "ui/twips.h"
#include "ui/web_addresses.h"
#include "ui/window_fonts.h"

namespace milden {
namespace {

QPointer<Helpfrm>& Instance() {
    static QPointer<Helpfrm> instance;
    return instance;
}

// Label1(index): caption and twips rectangle; the array index is the control index.
struct LabelDesign {
    QString caption;
    int left, top, width, height;
};

const std::array<LabelDesign, 7>& LabelDesigns() {
    static const std::array<LabelDesign, 7> designs{{
        {QStringLiteral("携帯かＰＨＳかを選択し、090か080（ＰＨＳは070）に続く４桁の番号を"), 480, 240, 5175, 255},
        {QStringLiteral("入力して検索ボタンを押して下さい。又は４桁の番号を入力した後で"), 480, 480, 5175, 255},
        {QStringLiteral("リターンキーを入力して下さい。検索結果が表示されます。"), 480, 720, 5295, 255},
        {QStringLiteral("バナーをクリックしますと､「ノルベ」のホームページを"), 480, 1080, 5655, 375},
        {QStringLiteral("自動的に表示します。"), 480, 1320, 5175, 255},
        {kMakerHomePage, 3000, 1680, 2055, 255},
        {QStringLiteral("Velk探偵事務所 HOME PAGE :"), 480, 1680, 2415, 255},
    }};
    return designs;
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
    setObjectName(QStringLiteral("helpfrm"));
    setWindowTitle(QStringLiteral("ﾍﾙﾌﾟ"));
    // A fixed tool window: thin title bar with a close box only, kept out of the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsSize(6285, 2805));
    setFont(WindowFont());
    setSizeGripEnabled(false);

    const std::array<LabelDesign, 7>& designs = LabelDesigns();
    for (int i = 0; i < 7; ++i) {
        Label1_[i] = new ClickableLabel(this);
        if (i == 5) Label1_[i]->SetLink(QStringLiteral("Velk探偵事務所のホームページを開く"));
        Label1_[i]->setText(designs[i].caption);
        Label1_[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1_[i]->setTextFormat(Qt::PlainText);
        Label1_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label1_[i]->setGeometry(TwipsToPixels(designs[i].left), TwipsToPixels(designs[i].top),
                                TwipsToPixels(designs[i].width), TwipsToPixels(designs[i].height));
        connect(Label1_[i], &ClickableLabel::clicked, this, [this, i] { Label1_Click(i); });
    }
    ClickableLabel* link = Label1_[5];
    link->setAccessibleDescription(kMakerHomePage);
    link->setFont(LinkFont());
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(palette);
    AlignBaselines(*link, *Label1_[6]);

    Command1_ = new PushButton(QStringLiteral("閉じる"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setAccessibleName(QStringLiteral("ヘルプを閉じる"));
    Command1_->setAutoDefault(false);
    Command1_->setDefault(false);
    PlaceControls({{Command1_, 2520, 2160, 1215, 375}});
    connect(Command1_, &QPushButton::clicked, this, &Helpfrm::Command1_Click);

    ChainTabOrder({Label1_[0], Label1_[1], Label1_[2], Label1_[3], Label1_[4], Command1_, Label1_[5], Label1_[6]});
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
    RunLinkProcedure(ie_, *toolkit_.browsers, kMakerHomePage, [this] { ie_OnQuit(); });
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
