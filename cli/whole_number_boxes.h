// The answer boxes of whole numbers, printed at the speed of the output.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cli/answer_printer.h"
#include "engine/whole_number.h"
#include "engine/lookup_session.h"

namespace milden::cli {

// A whole number's box depends only on its range and block (the four digits after the range):
// each block is looked up through the window's lookup once, and the bytes its box printed are
// written again for every later number of that block.
//
// What is kept of a block's box is its difference from an earlier box (the start and the end they
// share, and the few bytes between): boxes differ from one another in a few bytes, and a batch of
// random numbers reads them at random, so that whole boxes (megabytes of them) would leave the
// processor's caches on every number, while differences fit in them.
class WholeNumberBoxes {
public:
    WholeNumberBoxes(const LookupSession& session, AnswerPrinter& printer) : session_(session), printer_(printer) {}

    void Show(const WholeNumber& number);

private:
    static constexpr std::size_t kMostBetween = 4;
    // A box as the bytes of reference box `reference` up to `start`, then `between` bytes of its
    // own, then the last `end` bytes of the reference. kept false: not printed yet (or too long to
    // keep), which all-zero memory means.
    struct Kept {
        bool kept;
        std::uint8_t reference;
        std::uint8_t start;
        std::uint8_t end;
        std::uint8_t between;
        std::array<char, kMostBetween> bytes;
    };
    // Keeps the box just printed for the block, as the difference from the closest reference.
    void Keep(Kept& kept, Range range, std::string_view box);

    const LookupSession& session_;
    AnswerPrinter& printer_;
    // By range and block, in memory the system zeroes page by page as it is first touched: a few
    // numbers touch a few pages of it.
    struct Free {
        void operator()(Kept* kept) const { std::free(kept); }
    };
    std::unique_ptr<Kept[], Free> kept_;
    std::vector<std::string> references_;  // boxes printed whole, at most 255 of them
    // Per range, the reference last used by the boxes that end in some bytes.
    std::array<std::unordered_map<std::string, std::uint8_t>, kAllRanges.size()> referenceOfEnding_;
    std::string printed_;                  // a box printed through the lookup, before it is kept
};

}  // namespace milden::cli
