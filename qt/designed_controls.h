// The window designs in Qt: each window's frame, and its controls built from the design with their
// clicks going to the window's behaviour. Twips are converted at 96 dpi; Qt's high-dpi scaling
// takes it from there.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "desktop/front_end.h"
#include "desktop/window_designs.h"

class QWidget;

namespace milden {

inline QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

inline QRect PixelRect(const TwipsRect& rect) {
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width), TwipsToPixels(rect.height)};
}

// The window flags of a design's border.
Qt::WindowFlags WindowFlagsOf(Border border);

// Builds every control of window as a child of parent, in design order (later ones lie on top),
// each with its name as object name, its caption, its place in pixels and its accessible name;
// the picture box shows the banner; links get the up-arrow pointer, their address as accessible
// description, and a text link the link font and colour, on the baseline of the label beside it.
// Chains the controls for Tab in the design's focus order. Clicks on push buttons, labels and the
// picture go to form. Returns the controls in design order.
std::vector<QWidget*> BuildControls(const WindowDesign& window, QWidget* parent, FormEvents& form);

// Control number control among controls; nullptr for a number that is none.
QWidget* WidgetAt(const std::vector<QWidget*>& controls, int control);

// The place of widget among controls; -1 when it is none of them.
int IndexOf(const std::vector<QWidget*>& controls, const QWidget* widget);

// Tells form that window has become active, or has stopped being active with the focus in one of
// controls. Call it from the window's changeEvent on QEvent::ActivationChange.
void ReportActivation(const QWidget& window, const std::vector<QWidget*>& controls, FormEvents& form);

}  // namespace milden
