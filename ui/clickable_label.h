// A label that reports clicks: the banner Picture1 and the help window's labels Label1(i). One made
// a link shows to assistive technology as a link that can be pressed, which clicks it.
#pragma once

#include <QLabel>

namespace milden {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Makes the label a link called name for assistive technology. Call it before setting the
    // text or picture: Qt makes and keeps the label's interface as soon as either is set.
    void SetLink(const QString& name);
    bool isLink() const { return link_; }

signals:
    // The left button was pressed and released over the label, or its link was pressed.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool link_ = false;
};

}  // namespace milden
