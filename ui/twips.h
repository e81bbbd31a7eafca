// The window designs are measured in twips (1/1440 inch); 15 twips make one pixel at 96 dpi and
// Qt's high-dpi scaling takes it from there.
#pragma once

#include <QRect>
#include <QSize>
#include <initializer_list>

class QWidget;

namespace milden {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

constexpr QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

// One control of a design: the control and its left, top, width and height in twips.
struct Placement {
    QWidget* control;
    int left, top, width, height;
};

// Puts every control at its place, in pixels, within its parent.
void PlaceControls(std::initializer_list<Placement> design);

// Chains the controls in this order for the Tab key. Controls that take no focus (labels that are
// not links) keep their place in the design's order but are left out of the chain, as Tab skips them.
void ChainTabOrder(std::initializer_list<QWidget*> order);

}  // namespace milden
