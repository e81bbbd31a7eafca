// Qt's own texts (the context menus of the boxes, standard buttons) in Japanese, like every other
// text the windows show.
#pragma once

namespace milden {

// Installs Qt's Japanese translation, whatever the locale; false when it is not installed
// (Debian's qt6-translations-l10n). Call once a QApplication exists.
bool InstallQtJapanese();

}  // namespace milden
