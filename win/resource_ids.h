// The resources of milden.exe (resources/milden.rc), by number. Plain #defines: windres reads this too.
#pragma once

#define MILDEN_ICON 1
#define MILDEN_BANNER 101     // the banner at 96 dpi, 234 x 60
#define MILDEN_BANNER_2X 102  // the banner drawn at twice the size, for higher resolutions
