// A label that reports clicks: the banner Picture1 and the help window's labels Label1(i).
#pragma once

#include <QLabel>

namespace milden {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    // The left button was pressed and released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace milden
