#include "ui/tolvaform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "ui/centring.h"
#include "ui/clickable_label.h"
#include "ui/digit_box.h"
#include "ui/helpfrm.h"
#include "ui/link_procedure.h"
#include "ui/option_button.h"
#include "ui/push_button.h"
#include "ui/twips.h"
#include "ui/version_box.h"
#include "ui/web_addresses.h"
#include "ui/window_fonts.h"
#include "version.h"

// Qt resources of a static library are registered by hand; the macro cannot stand in a namespace.
static void InitMildenResources() { Q_INIT_RESOURCE(milden); }

namespace milden {
namespace {

QPointer<Tolvaform>& Instance() {
    static QPointer<Tolvaform> instance;
    return instance;
}

// The window icon at every size drawn in resources/, so that each place shows one made for it.
QIcon WindowIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/milden"), QStringLiteral("milden-*.png")).entryInfoList()) {
        icon.addFile(file.filePath());
    }
    return icon;
}

// The banner, drawn at scale 1 and 2: Qt picks the one that suits the screen.
QIcon BannerPicture() {
    QIcon picture(QStringLiteral(":/milden/banner.png"));
    picture.addFile(QStringLiteral(":/milden/banner@2x.png"));
    return picture;
}

// A range as its option button shows it: "090-".
QString RangeCaption(Range range) { return QString::fromLatin1(FormatOf(range).digits) + QLatin1Char('-'); }

// What a range holds, for its option button's accessible name.
QString RangeKind(Range range) { return range == Range::kPhs ? QStringLiteral("PHS") : QStringLiteral("携帯電話"); }

}  // namespace

Tolvaform& tolvaform() {
    QPointer<Tolvaform>& instance = Instance();
    if (!instance) instance = new Tolvaform(InstalledToolkit());
    return *instance;
}

void DestroyTolvaform() { delete Instance().data(); }

Tolvaform::Tolvaform(const Toolkit& toolkit) : toolkit_(toolkit) {
    InitMildenResources();
    setObjectName(QStringLiteral("tolvaform"));
    setWindowTitle(QStringLiteral("”zentrik”携帯調査"));
    setWindowIcon(WindowIcon());
    setFont(WindowFont());
    // A fixed single border: a title bar with its close box, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    BuildDesign();
    BuildMenu();
    options_ = std::make_unique<RadioRangeOptions>(tolvaselect_);
    // The window is exactly the menu bar over the client area, and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

Tolvaform::~Tolvaform() { Unload(); }

void Tolvaform::BuildDesign() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(TwipsSize(3525, 3210));
    setCentralWidget(client_);

    // One row per range, in the order of kAllRanges: index i of each control array is range i.
    for (const Range range : kAllRanges) {
        const std::size_t i = OrdinalOf(range);
        tolvaselect_[i] = new OptionButton(RangeCaption(range), client_);
        tolvaselect_[i]->setObjectName(QStringLiteral("tolvaselect(%1)").arg(i));
        tolvaselect_[i]->setAccessibleName(QStringLiteral("%1 で始まる%2の番号").arg(RangeCaption(range), RangeKind(range)));
    }
    // The boxes come after the option buttons, so they lie on top where the two overlap.
    for (const Range range : kAllRanges) {
        const std::size_t i = OrdinalOf(range);
        phone_text090_[i] = new DigitBox(client_);
        phone_text090_[i]->setObjectName(QStringLiteral("phone_text090(%1)").arg(i));
        phone_text090_[i]->setAccessibleName(QStringLiteral("%1 に続く４桁の番号").arg(RangeCaption(range)));
        connect(phone_text090_[i], &DigitBox::searchKey, this, &Tolvaform::researchbtn_Click);

        Label1_[i] = new QLabel(QStringLiteral("-****"), client_);
        Label1_[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1_[i]->setTextFormat(Qt::PlainText);
        Label1_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    researchbtn_ = new PushButton(QStringLiteral("検　索"), client_);
    researchbtn_->setObjectName(QStringLiteral("researchbtn"));
    researchbtn_->setAccessibleName(QStringLiteral("キャリアを検索"));
    researchbtn_->setAutoDefault(false);
    connect(researchbtn_, &QPushButton::clicked, this, &Tolvaform::researchbtn_Click);

    Picture1_ = new ClickableLabel(client_);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->SetLink(QStringLiteral("バナー：「ノルベ」のホームページを開く"));
    Picture1_->setAccessibleDescription(kPublicationAddress);
    Picture1_->SetPicture(BannerPicture(), QSize(234, 60));
    Picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(Picture1_, &ClickableLabel::clicked, this, &Tolvaform::Picture1_Click);

    PlaceControls({
        {tolvaselect_[0], 480, 120, 855, 495},
        {tolvaselect_[1], 480, 600, 855, 495},
        {tolvaselect_[2], 480, 1080, 975, 495},
        {phone_text090_[0], 1200, 240, 975, 270},
        {phone_text090_[1], 1200, 720, 975, 270},
        {phone_text090_[2], 1200, 1200, 975, 270},
        {Label1_[0], 2280, 240, 615, 375},
        {Label1_[1], 2280, 720, 615, 375},
        {Label1_[2], 2280, 1200, 615, 375},
        {researchbtn_, 960, 1680, 1575, 375},
        {Picture1_, 0, 2280, 3540, 940},
    });
    // The design's tab order, with the banner moved after the other controls: the keyboard reaches
    // the link last and the controls keep their order.
    ChainTabOrder({phone_text090_[0], researchbtn_, phone_text090_[1], tolvaselect_[0], tolvaselect_[1], tolvaselect_[2],
                   phone_text090_[2], Label1_[0], Label1_[1], Label1_[2], Picture1_});
}

void Tolvaform::BuildMenu() {
    help_ = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help_->setObjectName(QStringLiteral("help"));
    helpview_ = help_->addAction(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    helpview_->setObjectName(QStringLiteral("helpview"));
    help_->addSeparator()->setObjectName(QStringLiteral("dummy"));
    versions_ = help_->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    versions_->setObjectName(QStringLiteral("versions"));
    connect(helpview_, &QAction::triggered, this, &Tolvaform::helpview_Click);
    connect(versions_, &QAction::triggered, this, &Tolvaform::versions_Click);
}

void Tolvaform::Load() {
    unloaded_ = false;
    session_.LoadFromCurrentDirectory();
    tolvaselect_[0]->setChecked(true);
    CentreOnScreen(*this);
    show();
    activateWindow();
    phone_text090_[0]->setFocus();
}

void Tolvaform::researchbtn_Click() {
    for (const Range range : kAllRanges) {
        const std::size_t i = OrdinalOf(range);
        if (!tolvaselect_[i]->isChecked()) continue;
        session_.Search(phone_text090_[i]->text().toStdU16String(), *options_, *toolkit_.boxes);
        return;
    }
}

void Tolvaform::helpview_Click() { helpfrm().ShowModal(); }

void Tolvaform::versions_Click() {
    toolkit_.boxes->ShowMessage(VersionBoxPrompt(MILDEN_VERSION), BoxStyle::NoIcon, kVersionBoxTitle);
}

void Tolvaform::Picture1_Click() {
    RunLinkProcedure(ie_, *toolkit_.browsers, kPublicationAddress, [this] { ie_OnQuit(); });
}

void Tolvaform::ie_OnQuit() {
    // Called from the browser's own quit event: let it go once that event is over.
    if (BrowserObject* quit = ie_.release()) {
        QObject::disconnect(quit, &BrowserObject::OnQuit, nullptr, nullptr);
        quit->deleteLater();
    }
}

void Tolvaform::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) Unload();
}

void Tolvaform::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    session_.Release();
}

}  // namespace milden
