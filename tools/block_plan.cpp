#include "tools/block_plan.h"

#include <algorithm>
#include <stdexcept>

#include "tools/operator_names.h"

namespace milden::datagen {
namespace {

// Holders rank by count, then by list order with "no carrier" after every operator.
std::size_t RankOrder(const std::string& carrier) {
    return carrier.empty() ? KnownOperators().size() : OperatorIndex(carrier);
}

// Slot 00 says "no carrier"; the known operators follow in list order, skipping codes that are
// special marks of the range, so no operator code can ever be read as a mark.
std::vector<std::string> AssignSlots(const RangeFormat& range) {
    std::vector<std::string> names{std::string(kNoCarrierText)};
    for (const KnownOperator& op : KnownOperators()) names.emplace_back(op.display);
    std::vector<std::string> slots;
    for (const std::string& name : names) {
        while (TwoDigits(slots.size()) == range.exceptionMark || TwoDigits(slots.size()) == range.unknownMark) {
            slots.emplace_back();
        }
        slots.push_back(name);
    }
    return slots;
}

std::string Label(const std::vector<std::string>& holders) {
    std::string label;
    for (const std::string& h : holders) {
        if (!label.empty()) label += " / ";
        label += h.empty() ? std::string(kNoCarrierText) : std::string(KnownOperators()[OperatorIndex(h)].display);
    }
    return label;
}

}  // namespace

std::string LongestMatch(const CarrierPrefixes& prefixes, std::string_view number) {
    for (std::size_t length = number.size() + 1; length-- > 0;) {
        const auto it = prefixes.find(number.substr(0, length));
        if (it != prefixes.end()) return it->second;
    }
    return "";
}

std::vector<std::string> BlockHolders(const CarrierPrefixes& prefixes, std::string_view block) {
    std::size_t depth = block.size();
    for (auto it = prefixes.lower_bound(block); it != prefixes.end() && it->first.starts_with(block); ++it) {
        depth = std::max(depth, it->first.size());
    }
    if (depth == block.size()) {
        std::string holder = LongestMatch(prefixes, block);
        if (!holder.empty()) OperatorIndex(holder);  // an unknown name stops here
        return {holder};
    }
    if (depth > kNationalDigits) throw std::runtime_error("prefix under " + std::string(block) + " is longer than a number");
    // Count the numbers of each holder, one sub-prefix of the deepest length at a time.
    std::map<std::string, long> count;
    long subBlocks = 1;
    for (std::size_t i = block.size(); i < depth; ++i) subBlocks *= kDigitValues;
    const std::size_t width = depth - block.size();
    for (long n = 0; n < subBlocks; ++n) {
        std::string digits = std::to_string(n);
        count[LongestMatch(prefixes, std::string(block) + std::string(width - digits.size(), '0') + digits)]++;
    }
    std::vector<std::pair<std::string, long>> ranked(count.begin(), count.end());
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        if (a.second != b.second) return a.second > b.second;
        return RankOrder(a.first) < RankOrder(b.first);
    });
    if (ranked.size() == 1) return {ranked[0].first};
    return {ranked[0].first, ranked[1].first};
}

RangePlan PlanRange(const RangeFormat& range, const CarrierPrefixes& prefixes) {
    RangePlan plan;
    plan.range = &range;
    plan.slots = AssignSlots(range);
    const auto code = [&](const std::string& carrier) {
        const std::string name = carrier.empty() ? std::string(kNoCarrierText)
                                                 : std::string(KnownOperators()[OperatorIndex(carrier)].display);
        const auto slot = std::find(plan.slots.begin(), plan.slots.end(), name) - plan.slots.begin();
        return TwoDigits(static_cast<std::size_t>(slot));
    };
    // Code of a four-digit block: one or two operator pairs; "no carrier" is slot 00.
    const auto blockCode = [&](const std::vector<std::string>& holders) {
        std::string c;
        for (const std::string& h : holders) c += code(h);
        return c;
    };

    std::vector<std::vector<std::string>> holders(kBlocksPerRange);
    for (std::size_t n = 0; n < kBlocksPerRange; ++n) {
        holders[n] = BlockHolders(prefixes, SourcePrefix(range) + FourDigits(n));
    }
    for (std::size_t n = 0; n < kBlocksPerRange; ++n) {
        const auto& h = holders[n];
        const bool inTable = n / kBlocksPerIndex < static_cast<std::size_t>(range.indexCount);
        if (inTable) {
            plan.blocks[Label(h)]++;
            if (h.size() == 2) plan.splitBlocks.push_back(FourDigits(n));
        } else if (h != std::vector<std::string>{""}) {
            plan.droppedBlocks[Label(h)]++;
        }
    }
    for (std::size_t cell = 0; cell < static_cast<std::size_t>(CellCount(range.range)); ++cell) {
        const auto first = holders.begin() + static_cast<std::ptrdiff_t>(cell * kBlocksPerCell);
        const bool uniform = std::all_of(first, first + kBlocksPerCell, [&](const auto& h) { return h == *first; });
        if (uniform) {
            plan.cells.push_back(*first == std::vector<std::string>{""} ? std::string(range.unknownMark) : blockCode(*first));
            continue;
        }
        plan.cells.emplace_back(range.exceptionMark);
        for (std::size_t d4 = 0; d4 < kBlocksPerCell; ++d4) plan.exceptions.push_back({FourDigits(cell * kBlocksPerCell + d4), blockCode(first[d4])});
    }
    return plan;
}

std::vector<std::string> PrefixesOutsideRanges(const CarrierPrefixes& prefixes) {
    std::vector<std::string> outside;
    for (const auto& [prefix, carrier] : prefixes) {
        const bool covers = std::any_of(kRangeFormats.begin(), kRangeFormats.end(), [&](const RangeFormat& r) {
            const std::string source = SourcePrefix(r);
            return prefix.starts_with(source) || source.starts_with(prefix);
        });
        if (!covers) outside.push_back(prefix);
    }
    return outside;
}

}  // namespace milden::datagen
