#include "ui/twips.h"

#include <QWidget>

namespace milden {

void PlaceControls(std::initializer_list<Placement> design) {
    for (const Placement& p : design) {
        p.control->setGeometry(TwipsToPixels(p.left), TwipsToPixels(p.top), TwipsToPixels(p.width),
                               TwipsToPixels(p.height));
    }
}

void ChainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (w->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace milden
