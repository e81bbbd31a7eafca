// A label that reports clicks: the banner Picture1 and the help window's labels Label1(i). One made
// a link is a link to the keyboard too: Tab reaches it, a focus mark shows around its text or
// picture, and Return or Space clicks it; assistive technology sees a link that can be pressed.
#pragma once

#include <QIcon>
#include <QLabel>

namespace milden {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Makes the label a link called name, with the up-arrow pointer. Call it before setting the
    // text or picture: Qt makes and keeps the label's accessible interface as soon as either is set.
    void SetLink(const QString& name);
    bool isLink() const { return link_; }

    // Shows the picture drawn in file at size (in device-independent pixels). On a screen of a
    // larger device pixel ratio the drawing made for it is shown (file with "@2x" before its
    // suffix, which QIcon looks for), and read only then.
    void SetPicture(const QString& file, QSize size);

signals:
    // The left button was pressed and released over the label, or its link was pressed.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The pointer and the picture for the device pixel ratio of the label's screen.
    void FitPixelRatio();
    // Where the text or picture is drawn.
    QRect ContentRect() const;

    bool pressed_ = false;
    bool link_ = false;
    QString pictureFile_;
    QIcon picture_;
    qreal pictureRatio_ = 0;  // the application's device pixel ratio when picture_ was read
    QSize pictureSize_;
};

}  // namespace milden
