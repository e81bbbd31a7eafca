// The windows' designs as page.js builds its controls from them: captions, names, rectangles in
// twips, the order a screen reader reads them in, links, the menu and the key codes.
#pragma once

#include <emscripten/val.h>

namespace milden {

// {tolvaform, helpfrm, menu, link, keys, twipsPerPixel, bannerWidth, bannerHeight}; each window
// {name, caption, clientWidth, clientHeight, controls}, each control {index, name, kind, caption,
// left, top, width, height, accessibleName, description, link}, index being the number the
// window's behaviour names it by.
emscripten::val Designs();

}  // namespace milden
