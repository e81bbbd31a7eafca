// The window designs are measured in twips, 1/1440 inch: 15 twips make one pixel at 96 dpi.
#pragma once

namespace milden {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// A rectangle of a design, from the top-left corner of its window's client area.
struct TwipsRect {
    int left, top, width, height;
};

// Twips to pixels at dpi dots per inch, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace milden
