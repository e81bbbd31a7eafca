#include "answer_recorder.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <stdexcept>
#include <vector>

#include "lookup_number.h"

namespace milden::testing {
namespace {

class Recorder : public MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override {
        shown.push_back({std::u16string(prompt), style, title ? std::optional<std::u16string>(*title) : std::nullopt});
    }
    std::vector<ShownBox> shown;
};

class OneOption : public RangeOptions {
public:
    explicit OneOption(int selected) : selected_(selected) {}
    bool IsSelected(int index) const override { return index == selected_; }

private:
    int selected_;
};

std::string Convert(std::string_view in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv converter");
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("text cannot be converted");
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

ShownBox AskLookup(const LookupTables& tables, int range, std::u16string digits) {
    Recorder boxes;
    LookupNumber(std::move(digits), tables, OneOption(range), boxes);
    EXPECT_EQ(boxes.shown.size(), 1u);
    return boxes.shown.empty() ? ShownBox{} : boxes.shown.front();
}

std::u16string NameText(const ShownBox& box) {
    const std::u16string_view end = u"です。";
    const std::size_t lineBreak = box.prompt.find(u'\r');
    if (lineBreak == std::u16string::npos || !box.prompt.ends_with(end)) return box.prompt;
    return box.prompt.substr(lineBreak + 1, box.prompt.size() - lineBreak - 1 - end.size());
}

std::u16string Utf16(std::string_view utf8) {
    const std::string bytes = Convert(utf8, "UTF-16LE", "UTF-8");
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return out;
}

std::string Utf8(std::u16string_view utf16) {
    std::string bytes;
    for (const char16_t c : utf16) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return Convert(bytes, "UTF-8", "UTF-16LE");
}

}  // namespace milden::testing
