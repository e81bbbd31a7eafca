// Turns the carrier prefixes into what the data file holds for one range: a cell code for every
// three-digit block, exception entries where a three-digit block is split by its fourth digit,
// and the operator list the codes point into.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/carrier_source.h"
#include "lookup/format.h"

namespace milden::datagen {

// The range in the carrier data, which writes numbers without their leading 0: "90" for 090.
inline std::string SourcePrefix(const RangeFormat& range) { return std::string(range.digits.substr(1)); }

// A national number has this many digits after its leading 0; no prefix can be longer.
inline constexpr std::size_t kNationalDigits = 10;

// The holder of every number starting with prefix (digits after the leading 0): the carrier of
// the longest matching source prefix, "" when none matches.
std::string LongestMatch(const CarrierPrefixes& prefixes, std::string_view number);

// The holders of a block: one carrier ("" for none) when the source does not split the block;
// otherwise its two largest holders by count of numbers, larger first, ties in operator-list
// order with "" last. Throws for an unknown carrier or a prefix longer than a national number.
std::vector<std::string> BlockHolders(const CarrierPrefixes& prefixes, std::string_view block);

struct ExceptionLine {
    std::string number;  // the four digits after the range
    std::string code;
};

struct RangePlan {
    const RangeFormat* range = nullptr;
    // Operator slots by code: slot g*10+i is code "gi"; "" marks a slot kept free because its code
    // is a special mark of the range. Names are UTF-8.
    std::vector<std::string> slots;
    // Cell codes indexed first*100 + second*10 + third, for indexCount*100 cells.
    std::vector<std::string> cells;
    std::vector<ExceptionLine> exceptions;  // in number order
    // Four-digit blocks by holder label (Japanese name, two names joined by " / ", or
    // kNoCarrierText): inside the prefix table, and beyond it where the source names a holder.
    std::map<std::string, int> blocks;
    std::map<std::string, int> droppedBlocks;
    // Four-digit blocks (inside the table) that the source splits below four digits: they get the
    // two-operator code of their two largest holders, which cannot say who holds which numbers.
    std::vector<std::string> splitBlocks;
};

// Plans one range. Throws std::runtime_error for a carrier name it does not know.
RangePlan PlanRange(const RangeFormat& range, const CarrierPrefixes& prefixes);

// Source prefixes that cover none of the three ranges (such as 060 numbers), in order.
std::vector<std::string> PrefixesOutsideRanges(const CarrierPrefixes& prefixes);

}  // namespace milden::datagen
