#include "desktop/search_request.h"

namespace milden {

void RunSearchRequest(const LookupSession& session, const RangeOptions& options,
                      const std::function<std::u16string(std::size_t)>& boxText, MessageBoxService& boxes) {
    for (const Range range : kAllRanges) {
        const std::size_t i = OrdinalOf(range);
        if (!options.IsSelected(static_cast<int>(i))) continue;
        session.Search(boxText(i), options, boxes);
        return;
    }
}

}  // namespace milden
