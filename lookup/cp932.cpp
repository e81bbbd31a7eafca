#include "lookup/cp932.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>

#include <stdexcept>
#include <memory>
#include <optional>

namespace milden {
namespace {

constexpr const char* kUtf16Native = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Lead bytes of two-byte characters in code page 932.
constexpr bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

class Cp932Converter {
public:
    Cp932Converter() : cd_(iconv_open(kUtf16Native, "CP932")) {}
    ~Cp932Converter() {
        if (ok()) iconv_close(cd_);
    }
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// The one UTF-16 unit iconv makes of bytes that it reads whole as one character, else nothing.
std::optional<char16_t> IconvCharacter(iconv_t cd, std::string_view bytes) {
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char16_t units[2];
    char* out = reinterpret_cast<char*>(units);
    std::size_t outLeft = sizeof units;
    const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
                    outLeft == sizeof units - sizeof(char16_t);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return ok ? std::optional<char16_t>(units[0]) : std::nullopt;
}

// What iconv makes of each non-ASCII byte and each two-byte character of code page 932, asked
// once per process (about half a millisecond): decoding then costs a table read per character
// instead of an iconv pass. 0 marks what iconv does not read as one character; the decoder hands
// such bytes to iconv itself, so errors come out exactly as iconv gives them.
class Cp932Table {
public:
    Cp932Table() {
        const Cp932Converter converter;
        ok_ = converter.ok();
        if (!ok_) return;
        for (int b = 0x80; b <= 0xFF; ++b) {
            if (IsLeadByte(static_cast<unsigned char>(b))) continue;
            const char single = static_cast<char>(b);
            single_[b - 0x80] = IconvCharacter(converter.get(), std::string_view(&single, 1)).value_or(0);
        }
        // Trail bytes of code page 932 lie in 0x40 to 0xFC; other pairs go to iconv when met.
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pairs_[lead - 0x80][trail] = IconvCharacter(converter.get(), std::string_view(pair, 2)).value_or(0);
            }
        }
    }
    bool ok() const { return ok_; }
    char16_t Single(unsigned char b) const { return single_[b - 0x80]; }
    char16_t Pair(unsigned char lead, unsigned char trail) const { return pairs_[lead - 0x80][trail]; }

private:
    bool ok_ = false;
    std::array<char16_t, 128> single_{};
    std::array<std::array<char16_t, 256>, 128> pairs_{};
};

const Cp932Table& Table() {
    static const Cp932Table table;
    return table;
}

// Decodes bytes that start and end on character boundaries with iconv. Invalid or truncated
// sequences become one U+FFFD for the lead byte and its trail byte (a trail byte in the ASCII
// range is kept, so "," and line ends are never swallowed).
void DecodeWithIconv(iconv_t cd, std::string_view bytes, char16_t*& out) {
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = bytes.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;  // E2BIG cannot happen: one unit per byte
        const auto lead = static_cast<unsigned char>(in[0]);
        std::size_t skip = 1;
        if (IsLeadByte(lead) && inLeft >= 2 && static_cast<unsigned char>(in[1]) >= 0x80) skip = 2;
        const char16_t replacement = u'\uFFFD';
        std::memcpy(outPtr, &replacement, sizeof replacement);
        outPtr += sizeof replacement;
        outLeft -= sizeof replacement;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out = reinterpret_cast<char16_t*>(outPtr);
}

}  // namespace

std::size_t DecodeCp932NonAscii(std::string_view bytes, char16_t* out) {
    char16_t* o = out;
    std::size_t i = 0;
    const Cp932Table& table = Table();
    std::unique_ptr<Cp932Converter> converter;  // opened only for bytes the table does not know
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            *o++ = b;
            ++i;
            continue;
        }
        if (!table.ok()) {
            *o++ = u'\uFFFD';  // without the converter only ASCII can be trusted
            ++i;
            continue;
        }
        const bool twoBytes = IsLeadByte(b) && i + 1 < bytes.size();
        const char16_t known = twoBytes ? table.Pair(b, static_cast<unsigned char>(bytes[i + 1]))
                                        : IsLeadByte(b) ? char16_t{0} : table.Single(b);
        const std::size_t length = twoBytes ? 2 : 1;
        if (known != 0) {
            *o++ = known;
        } else {
            if (!converter) converter = std::make_unique<Cp932Converter>();
            DecodeWithIconv(converter->get(), bytes.substr(i, length), o);
        }
        i += length;
    }
    return static_cast<std::size_t>(o - out);
}

void DecodeCp932(std::string_view bytes, std::u16string& out) {
    // Every byte yields at most one UTF-16 unit, so the output never needs to grow. A value
    // written again (a section read twice) has the same length: neither resize then does a thing.
    out.resize(bytes.size());
    const std::size_t length = DecodeCp932(bytes, out.data());
    if (length < bytes.size()) out.resize(length);
}

std::u16string DecodeCp932(std::string_view bytes) {
    std::u16string out;
    DecodeCp932(bytes, out);
    return out;
}

std::string EncodeCp932(std::string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP932 converter");
    // Code page 932 never needs more bytes than UTF-8 for the same text.
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (result != 0) {
        const std::size_t at = utf8.size() - inLeft;
        throw std::runtime_error("text not representable in code page 932 at byte " + std::to_string(at));
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace milden
