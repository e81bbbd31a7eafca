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

#include "desktop/search_request.h"
#include "desktop/version_box.h"
#include "desktop/window_designs.h"
#include "ui/centring.h"
#include "ui/clickable_label.h"
#include "ui/digit_box.h"
#include "ui/helpfrm.h"
#include "ui/link_procedure.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
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

}  // namespace

Tolvaform& tolvaform() {
    QPointer<Tolvaform>& instance = Instance();
    if (!instance) instance = new Tolvaform(InstalledToolkit());
    return *instance;
}

void DestroyTolvaform() { delete Instance().data(); }

Tolvaform::Tolvaform(const Toolkit& toolkit) : toolkit_(toolkit) {
    InitMildenResources();
    setObjectName(ToQString(kTolvaform.name));
    setWindowTitle(ToQString(kTolvaform.caption));
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
    client_->setFixedSize(TwipsSize(kTolvaform.clientWidth, kTolvaform.clientHeight));
    setCentralWidget(client_);
    BuildControls(kTolvaform, client_);

    const auto control = [this]<class W>(W*& member, const QString& name) {
        member = client_->findChild<W*>(name, Qt::FindDirectChildrenOnly);
    };
    for (const Range range : kAllRanges) {
        const std::size_t i = OrdinalOf(range);
        control(tolvaselect_[i], QStringLiteral("tolvaselect(%1)").arg(i));
        control(phone_text090_[i], QStringLiteral("phone_text090(%1)").arg(i));
        control(Label1_[i], QStringLiteral("Label1(%1)").arg(i));
        connect(phone_text090_[i], &DigitBox::searchKey, this, &Tolvaform::researchbtn_Click);
    }
    control(researchbtn_, QStringLiteral("researchbtn"));
    control(Picture1_, QStringLiteral("Picture1"));
    Picture1_->SetPicture(BannerPicture(), QSize(kBannerWidth, kBannerHeight));
    connect(researchbtn_, &QPushButton::clicked, this, &Tolvaform::researchbtn_Click);
    connect(Picture1_, &ClickableLabel::clicked, this, &Tolvaform::Picture1_Click);
}

void Tolvaform::BuildMenu() {
    help_ = menuBar()->addMenu(ToQString(kHelpMenu.caption));
    help_->setObjectName(ToQString(kHelpMenu.name));
    for (const MenuItemDesign& item : kHelpMenuItems) {
        QAction* action = IsSeparator(item) ? help_->addSeparator() : help_->addAction(ToQString(item.caption));
        action->setObjectName(ToQString(item.name));
    }
    helpview_ = help_->findChild<QAction*>(QStringLiteral("helpview"));
    versions_ = help_->findChild<QAction*>(QStringLiteral("versions"));
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
    RunSearchRequest(
        session_, *options_, [this](std::size_t i) { return phone_text090_[i]->text().toStdU16String(); },
        *toolkit_.boxes);
}

void Tolvaform::helpview_Click() { helpfrm().ShowModal(); }

void Tolvaform::versions_Click() {
    toolkit_.boxes->ShowMessage(VersionBoxPrompt(MILDEN_VERSION), BoxStyle::NoIcon, kVersionBoxTitle);
}

void Tolvaform::Picture1_Click() {
    RunLinkProcedure(ie_, *toolkit_.browsers, ToQString(kPublicationAddress), [this] { ie_OnQuit(); });
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
