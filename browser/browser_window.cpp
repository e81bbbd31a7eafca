#include "browser_window.h"

#include <QToolBar>
#include <QWebEngineView>

namespace milden {

BrowserWindow::BrowserWindow() : view_(new QWebEngineView(this)) {
    setCentralWidget(view_);
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->addAction(view_->pageAction(QWebEnginePage::Back));
    bar->addAction(view_->pageAction(QWebEnginePage::Forward));
    bar->addAction(view_->pageAction(QWebEnginePage::Reload));
    connect(view_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    resize(1024, 768);
}

}  // namespace milden
