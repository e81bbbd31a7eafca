// The helper's window: the page, its title in the caption, back, forward and reload.
#pragma once

#include <QMainWindow>

class QWebEngineView;

namespace milden {

class BrowserWindow : public QMainWindow {
    Q_OBJECT
public:
    BrowserWindow();
    QWebEngineView* view() const { return view_; }

private:
    QWebEngineView* view_;
};

}  // namespace milden
