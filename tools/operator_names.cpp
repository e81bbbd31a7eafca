#include "tools/operator_names.h"

#include <array>
#include <stdexcept>
#include <string>

#include "lookup/format.h"
#include "lookup/utf8.h"

namespace milden::datagen {

const std::string kNoCarrierText = Utf16ToUtf8(kUnknownOperatorText);
namespace {

constexpr std::array<KnownOperator, 5> kOperators{{
    {"NTT Docomo", "NTTドコモ"},
    {"KDDI", "au（KDDI）"},
    {"Okinawa Cellular", "au（沖縄セルラー電話）"},
    {"Softbank", "ソフトバンク"},
    {"Rakuten Communications", "楽天モバイル"},
}};

}  // namespace

std::span<const KnownOperator> KnownOperators() { return kOperators; }

std::size_t OperatorIndex(std::string_view source) {
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        if (kOperators[i].source == source) return i;
    }
    throw std::runtime_error("unknown carrier \"" + std::string(source) +
                             "\": give it a Japanese name in tools/operator_names.cpp");
}

}  // namespace milden::datagen
