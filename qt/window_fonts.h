// The fonts of the two windows.
#pragma once

#include <QFont>

namespace milden {

// The windows' default font: a Japanese gothic at 10 px, the size at which every caption of the
// designs fits its control.
QFont WindowFont();

// The help window's home-page link: the design's link font where installed, else an installed
// Japanese gothic; normal weight, underlined.
QFont LinkFont();

}  // namespace milden
