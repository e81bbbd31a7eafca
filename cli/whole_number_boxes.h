// The answer boxes of whole numbers, printed at the speed of the output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/answer_printer.h"
#include "cli/whole_number.h"
#include "engine/lookup_session.h"

namespace milden::cli {

// A whole number's box depends only on its range and block (the four digits after the range):
// each block is looked up through the window's lookup once, and the bytes its box printed are
// written again for every later number of that block.
class WholeNumberBoxes {
public:
    WholeNumberBoxes(const LookupSession& session, AnswerPrinter& printer) : session_(session), printer_(printer) {}

    void Show(const WholeNumber& number);

private:
    // Where a block's box lies in the store; a length of 0: not printed yet (four digits always
    // show a box).
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    // Appends a printed box to the store.
    Span Keep(std::string_view box);

    const LookupSession& session_;
    AnswerPrinter& printer_;
    std::vector<Span> boxOfBlock_;  // by range and block
    std::string printed_;           // a box printed through the lookup, before it is kept
    // Every box printed so far, one after another, in memory on large pages: a batch of random
    // numbers reads its megabytes at random.
    struct LargePageDelete {
        void operator()(char* data) const;
    };
    std::unique_ptr<char[], LargePageDelete> store_;
    std::size_t stored_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace milden::cli
