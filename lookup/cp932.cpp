#include "cp932.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>

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

}  // namespace

std::u16string DecodeCp932(std::string_view bytes) {
    // Every byte yields at most one UTF-16 unit, so the output never needs to grow.
    std::u16string out(bytes.size(), u'\0');
    Cp932Converter converter;
    if (!converter.ok()) {
        // Without the converter only ASCII can be trusted.
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            out[i] = b < 0x80 ? static_cast<char16_t>(b) : u'\uFFFD';
        }
        return out;
    }
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;  // E2BIG cannot happen: one unit per byte
        // An invalid or truncated sequence: one U+FFFD for the lead byte and its trail byte (a
        // trail byte in the ASCII range is kept, so "," and line ends are never swallowed).
        const auto lead = static_cast<unsigned char>(in[0]);
        std::size_t skip = 1;
        if (IsLeadByte(lead) && inLeft >= 2 && static_cast<unsigned char>(in[1]) >= 0x80) skip = 2;
        const char16_t replacement = u'\uFFFD';
        std::memcpy(outPtr, &replacement, sizeof replacement);
        outPtr += sizeof replacement;
        outLeft -= sizeof replacement;
        in += skip;
        inLeft -= skip;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - outLeft / sizeof(char16_t));
    return out;
}

}  // namespace milden
