#include "browser/browser_window.h"

#include <QToolBar>
#include <QWebEngineView>
#include <utility>

namespace milden {

BrowserWindow::BrowserWindow() : view_(new QWebEngineView(this)) {
    setCentralWidget(view_);
    QToolBar* bar = addToolBar(QStringLiteral("ナビゲーション"));
    bar->setMovable(false);
    // Qt WebEngine has no Japanese catalogue of its own texts in Debian: the three buttons are
    // named here (the page's context menu uses the same actions).
    const std::pair<QWebEnginePage::WebAction, QString> buttons[] = {
        {QWebEnginePage::Back, QStringLiteral("戻る")},
        {QWebEnginePage::Forward, QStringLiteral("進む")},
        {QWebEnginePage::Reload, QStringLiteral("再読み込み")}};
    for (const auto& [action, text] : buttons) {
        view_->pageAction(action)->setText(text);
        bar->addAction(view_->pageAction(action));
    }
    connect(view_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    resize(1024, 768);
}

}  // namespace milden
