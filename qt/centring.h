// Both windows start centred on the screen they are on, frame included.
#pragma once

class QWidget;

namespace milden {

// Moves the window so that its frame is centred on its screen. Before a window's first show the
// window manager has not framed it yet: it is centred again once its frame is known.
void CentreOnScreen(QWidget& window);

}  // namespace milden
