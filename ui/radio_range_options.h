// The range choice read from the three option buttons tolvaselect(0..2).
#pragma once

#include <array>

#include "engine/toolkit_services.h"

class QRadioButton;

namespace milden {

class RadioRangeOptions : public RangeOptions {
public:
    explicit RadioRangeOptions(const std::array<QRadioButton*, kAllRanges.size()>& buttons) : buttons_(buttons) {}
    // Whether button index is checked; false for any other index.
    bool IsSelected(int index) const override;

private:
    std::array<QRadioButton*, kAllRanges.size()> buttons_;
};

}  // namespace milden
