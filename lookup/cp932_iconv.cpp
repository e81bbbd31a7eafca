// Code page 932 through iconv ("CP932"): the decoder's characters and the encoder.
#include <iconv.h>

#include <bit>
#include <stdexcept>
#include <string>

#include "lookup/cp932.h"
#include "lookup/cp932_table.h"

namespace milden {
namespace {

// Every character of code page 932 lies in the Basic Multilingual Plane, where UCS-2 and UTF-16
// are the same units: glibc converts to UCS-2 itself, without loading its UTF-16 module.
constexpr const char* kUcs2Native = std::endian::native == std::endian::little ? "UCS-2LE" : "UCS-2BE";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Opened once, on first use.
const Converter& Cp932ToUtf16() {
    static const Converter converter(kUcs2Native, "CP932");
    return converter;
}

}  // namespace

char16_t ConvertCp932Character(std::string_view bytes) {
    if (!Cp932ToUtf16().ok()) return 0;
    const iconv_t cd = Cp932ToUtf16().get();
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char16_t units[2];
    char* out = reinterpret_cast<char*>(units);
    std::size_t outLeft = sizeof units;
    const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
                    outLeft == sizeof units - sizeof(char16_t);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return ok ? units[0] : char16_t{0};
}

bool HasCp932Converter() { return Cp932ToUtf16().ok(); }

std::string EncodeCp932(std::string_view utf8) {
    const Converter converter("CP932", "UTF-8");
    if (!converter.ok()) throw std::runtime_error("iconv has no CP932 converter");
    // Code page 932 never needs more bytes than UTF-8 for the same text.
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &o, &outLeft) != 0) {
        const std::size_t at = utf8.size() - inLeft;
        throw std::runtime_error("text not representable in code page 932 at byte " + std::to_string(at));
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace milden
