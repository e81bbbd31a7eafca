// The up-arrow pointer shown over the two web links, drawn for the screen's pixel ratio: the
// X server shows a pointer pixel for pixel, so Qt's own up arrow stays small on a 2x screen.
#pragma once

#include <QCursor>

namespace milden {

// The pointer for a screen of this device pixel ratio: a white arrow outlined in black, 13 x 17
// pixels at ratio 1 and as many times larger as the ratio, its hot spot on the arrow's tip.
QCursor UpArrowCursor(qreal devicePixelRatio);

}  // namespace milden
