#include "ui/radio_range_options.h"

#include <QRadioButton>

namespace milden {

bool RadioRangeOptions::IsSelected(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size()) || !buttons_[index]) return false;
    return buttons_[index]->isChecked();
}

}  // namespace milden
