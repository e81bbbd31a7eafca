// The answer boxes of whole numbers, printed at the speed of the output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/answer_printer.h"
#include "engine/whole_number.h"
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
    const LookupSession& session_;
    AnswerPrinter& printer_;
    // Every box looked up so far, one after another, and where each block's box lies in it (by
    // range and block; a length of 0: not looked up yet). One string keeps the boxes close
    // together in memory, which a batch of random numbers reads at random.
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    std::string boxes_;
    std::vector<Span> boxOfBlock_;
};

}  // namespace milden::cli
