// DecodeCp932 widens ASCII itself and hands only the other runs to iconv: it must give exactly
// what one iconv pass over the whole text gives, with the same replacement rule for bad bytes.
#include <gtest/gtest.h>

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <random>
#include <string>

#include "lookup/cp932.h"

namespace milden {
namespace {

// The whole text through iconv in one pass; a bad lead byte and a trail byte of 0x80 or more
// become one U+FFFD, any other bad byte one U+FFFD of its own.
std::u16string WholeTextThroughIconv(std::string_view bytes) {
    iconv_t cd = iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE", "CP932");
    std::u16string out(bytes.size(), u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* o = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * 2;
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1)) {
        const auto lead = static_cast<unsigned char>(in[0]);
        const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const std::size_t skip = isLead && inLeft >= 2 && static_cast<unsigned char>(in[1]) >= 0x80 ? 2 : 1;
        *reinterpret_cast<char16_t*>(o) = u'\uFFFD';
        o += 2;
        outLeft -= 2;
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft / 2);
    return out;
}

TEST(DecodeCp932, EveryBytePairAmongAsciiAgreesWithOneIconvPass) {
    // Each pair of bytes, alone, between ASCII, and cut short at the end of the text.
    for (int first = 0x80; first <= 0xFF; ++first) {
        for (int second = 0; second <= 0xFF; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            for (const std::string& text : {pair, "a," + pair + "\r\n", "x" + pair + pair, pair.substr(0, 1)}) {
                ASSERT_EQ(DecodeCp932(text), WholeTextThroughIconv(text)) << std::hex << first << " " << second;
            }
        }
    }
}

TEST(DecodeCp932, RandomTextsAgreeWithOneIconvPass) {
    std::mt19937 random(932);
    // Pieces drawn mostly from the bytes that matter: ASCII delimiters, lead and trail bytes;
    // then ASCII stretches long and short, so both ways of decoding meet at every kind of byte.
    const std::string alphabet = std::string(",\r\n\"#;09aZ ") + "\x81\x82\x83\x88\x9F\xE0\xEA\xFC\xFD\xFF\x80\xA0\xA1\xDF\x40\x7E\x7F";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int piece = random() % 8; piece >= 0; --piece) {
            for (int n = random() % 6; n > 0; --n) {
                text += random() % 4 == 0 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
            }
            text += std::string(random() % 40, "0123456789,\r\n"[random() % 13]);
        }
        ASSERT_EQ(DecodeCp932(text), WholeTextThroughIconv(text)) << round;
    }
}

}  // namespace
}  // namespace milden
