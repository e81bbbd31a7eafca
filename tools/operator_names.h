// The operators the generator knows: the source's English carrier names and the Japanese names
// the data file shows. The one place that maps one to the other.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace milden::datagen {

struct KnownOperator {
    std::string_view source;   // as the carrier data spells it
    std::string_view display;  // UTF-8, as the answer box shows it
};

// The known operators, in the order of the data file's operator lists.
std::span<const KnownOperator> KnownOperators();

// Position in KnownOperators(); throws std::runtime_error naming a carrier it does not know.
std::size_t OperatorIndex(std::string_view source);

// The lookup's own text for "no carrier" (UTF-8); also the name of operator slot 00, so that an
// exception entry without a holder (and any miss that falls back to slot 00) answers with it.
extern const std::string kNoCarrierText;

}  // namespace milden::datagen
