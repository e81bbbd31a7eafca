// The answer boxes of whole numbers, printed at the speed of the output.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "cli/answer_printer.h"
#include "engine/lookup_session.h"
#include "cli/whole_number.h"

namespace milden::cli {

// A whole number's box is the box of its range and name text with the number's four digits in
// its header. Each (range, name text) is printed through the window's lookup once; its bytes
// before and after the digits are then reused for every block that gives the same name text,
// and each block's name text is looked up once.
class WholeNumberBoxes {
public:
    WholeNumberBoxes(const LookupSession& session, AnswerPrinter& printer) : session_(session), printer_(printer) {}

    void Show(const WholeNumber& number);

private:
    struct Printed {
        std::string beforeDigits;
        std::string afterDigits;
    };
    // Prints the box through the lookup; the index of its Printed, or kNone when the digits
    // could not be found in it (then nothing is kept).
    std::uint32_t PrintThroughLookup(const WholeNumber& number, std::size_t range, std::u16string nameText);

    static constexpr std::uint32_t kNone = 0;

    const LookupSession& session_;
    AnswerPrinter& printer_;
    std::vector<std::uint32_t> printedOfBlock_;  // by range and four digits; kNone: not yet
    std::vector<Printed> printed_;               // printed_[i - 1] for index i
    std::array<std::unordered_map<std::u16string, std::uint32_t>, kAllRanges.size()> printedOfName_;
};

}  // namespace milden::cli
