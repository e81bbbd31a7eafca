#include "qt/designed_controls.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "qt/clickable_label.h"
#include "qt/digit_box.h"
#include "qt/option_button.h"
#include "qt/push_button.h"
#include "qt/qt_text.h"
#include "qt/window_fonts.h"

namespace milden {
namespace {

QWidget* CreateControl(const ControlDesign& design, QWidget* parent, FormEvents& form, int index) {
    const QString caption = ToQString(design.caption);
    switch (design.kind) {
    case ControlKind::OptionButton: return new OptionButton(caption, parent);
    case ControlKind::TextBox: return new DigitBox(parent);
    case ControlKind::PushButton: {
        auto* button = new PushButton(caption, parent);
        button->setAutoDefault(false);  // no button is a default one
        QObject::connect(button, &QPushButton::clicked, parent, [&form, index] { form.Click(index); });
        return button;
    }
    case ControlKind::Label:
    case ControlKind::PictureBox: {
        auto* label = new ClickableLabel(parent);
        // A link's accessible name goes first: Qt makes the label's interface as soon as it has text.
        if (!design.link.empty()) label->SetLink(ToQString(design.accessibleName));
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (design.kind == ControlKind::PictureBox)
            label->SetPicture(QStringLiteral(":/milden/banner.png"), QSize(kBannerWidth, kBannerHeight));
        QObject::connect(label, &ClickableLabel::clicked, parent, [&form, index] { form.Click(index); });
        return label;
    }
    }
    return nullptr;
}

// Puts two labels that share a line in different fonts on one baseline: both are drawn from the
// top of their rectangles, so the text with the higher baseline is moved down (a label's
// contents cannot reach above its rectangle).
void AlignBaselines(QLabel& first, QLabel& second) {
    const auto baseline = [](const QLabel& l) { return l.y() + l.fontMetrics().ascent(); };
    const int shift = baseline(first) - baseline(second);
    (shift > 0 ? second : first).setContentsMargins(0, std::abs(shift), 0, 0);
}

// A text link in the link font and colour, on one baseline with the label on its row.
void DrawAsLink(const WindowDesign& window, const std::vector<QWidget*>& controls, std::size_t link) {
    auto* label = static_cast<QLabel*>(controls[link]);
    label->setFont(LinkFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(kLinkColour.red, kLinkColour.green, kLinkColour.blue));
    label->setPalette(palette);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDesign& other = window.controls[i];
        if (i != link && other.kind == ControlKind::Label && other.rect.top == window.controls[link].rect.top) {
            AlignBaselines(*label, *static_cast<QLabel*>(controls[i]));
        }
    }
}

}  // namespace

Qt::WindowFlags WindowFlagsOf(Border border) {
    switch (border) {
    case Border::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint;
    case Border::FixedToolWindow: break;
    }
    return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

std::vector<QWidget*> BuildControls(const WindowDesign& window, QWidget* parent, FormEvents& form) {
    std::vector<QWidget*> controls;
    for (const ControlDesign& design : window.controls) {
        QWidget* control = CreateControl(design, parent, form, static_cast<int>(controls.size()));
        control->setObjectName(ToQString(design.name));
        control->setGeometry(PixelRect(design.rect));
        if (!design.link.empty()) control->setAccessibleDescription(ToQString(design.link));
        else if (!design.accessibleName.empty()) control->setAccessibleName(ToQString(design.accessibleName));
        controls.push_back(control);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!window.controls[i].link.empty() && window.controls[i].kind == ControlKind::Label) DrawAsLink(window, controls, i);
    }
    QWidget* previous = nullptr;
    for (const ControlDesign* design : FocusOrder(window)) {
        QWidget* control = controls[static_cast<std::size_t>(design - window.controls.data())];
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
    return controls;
}

QWidget* WidgetAt(const std::vector<QWidget*>& controls, int control) {
    return control >= 0 && static_cast<std::size_t>(control) < controls.size() ? controls[static_cast<std::size_t>(control)]
                                                                               : nullptr;
}

int IndexOf(const std::vector<QWidget*>& controls, const QWidget* widget) {
    const auto found = std::find(controls.begin(), controls.end(), widget);
    return found == controls.end() ? -1 : static_cast<int>(found - controls.begin());
}

void ReportActivation(const QWidget& window, const std::vector<QWidget*>& controls, FormEvents& form) {
    if (window.isActiveWindow()) form.Activate();
    else form.Deactivate(IndexOf(controls, window.focusWidget()));
}

}  // namespace milden
