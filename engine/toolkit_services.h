// The toolkit services the lookup uses, as interfaces: the window gives Qt implementations,
// tests give recording ones, the command-line tool gives printing ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lookup/format.h"  // kApplicationTitle: the title of a box given none of its own

namespace milden {

// Message-box styles: OK button only, with no icon, the warning icon or the information icon.
enum class BoxStyle : int { NoIcon = 0, Warning = 48, Information = 64 };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows a modal box and returns when the user has closed it. Lines of prompt are separated by
    // one carriage return (U+000D). Without a title the box carries kApplicationTitle. The
    // prompt is plain text, never markup.
    virtual void ShowMessage(std::u16string_view prompt, BoxStyle style,
                             std::optional<std::u16string_view> title) = 0;
};

// Read access to the three range option buttons tolvaselect(0) "090-", (1) "080-", (2) "070-".
class RangeOptions {
public:
    virtual ~RangeOptions() = default;
    virtual bool IsSelected(int index) const = 0;
};

// The option buttons with one range selected for good: the command line's and the tests'.
class FixedRangeOptions : public RangeOptions {
public:
    explicit FixedRangeOptions(Range range) : range_(range) {}
    bool IsSelected(int index) const override { return index >= 0 && static_cast<std::size_t>(index) == OrdinalOf(range_); }

private:
    Range range_;
};

}  // namespace milden
