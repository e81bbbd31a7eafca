// The window designs in Qt: twips converted at 96 dpi; Qt's high-dpi scaling takes it from there.
#pragma once

#include <QRect>
#include <QSize>

#include "desktop/window_designs.h"

class QWidget;

namespace milden {

inline QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

inline QRect PixelRect(const TwipsRect& rect) {
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width), TwipsToPixels(rect.height)};
}

// Builds every control of window as a child of parent, in design order (later ones lie on top),
// each with its name as object name, its caption, its place in pixels and its accessible name;
// links get the up-arrow pointer and their address as accessible description. Then chains the
// controls for Tab in the design's focus order. Find them with parent->findChild by name.
void BuildControls(const WindowDesign& window, QWidget* parent);

}  // namespace milden
