#include "check/encoding.h"

#include <algorithm>

#include "lookup/cp932.h"
#include "lookup/format.h"
#include "lookup/utf8.h"

namespace milden::check {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// Utf8ToUtf16 turns each byte it cannot decode into U+FFFD: text is valid UTF-8 when it gives no
// more of them than the text holds already.
bool IsValidUtf8(std::string_view text) {
    std::size_t written = 0;
    for (std::size_t at = text.find(kReplacementUtf8); at != std::string_view::npos; at = text.find(kReplacementUtf8, at + 1))
        ++written;
    const std::u16string decoded = Utf8ToUtf16(text);
    return static_cast<std::size_t>(std::count(decoded.begin(), decoded.end(), u'\uFFFD')) == written;
}

// Line by line, so that a large file needs no large copy.
bool IsValidUtf8(const SourceFile& source) {
    for (std::uint32_t line = 1; line <= source.LineCount(); ++line)
        if (!IsValidUtf8(source.Line(line))) return false;
    return true;
}

}  // namespace

FileEncoding CheckEncoding(const SourceFile& source, Diagnostics& diagnostics) {
    const std::string_view bytes = source.bytes();
    FileEncoding encoding;
    encoding.empty = bytes.empty();
    if (encoding.empty) {
        diagnostics.Add({Code::EmptyFile, {}, "the file is empty: every search answers " + Utf16ToUtf8(kUnknownOperatorText)});
        return encoding;
    }
    encoding.byteOrderMark = bytes.starts_with(kByteOrderMark);
    std::size_t nonAscii = encoding.byteOrderMark ? kByteOrderMark.size() : 0;
    while (nonAscii < bytes.size() && static_cast<unsigned char>(bytes[nonAscii]) < 0x80) ++nonAscii;
    encoding.utf8 = nonAscii < bytes.size() && IsValidUtf8(source);
    const std::string mark = encoding.byteOrderMark ? " with a byte order mark" : "";
    if (encoding.utf8) {
        const ItemPosition at = source.PositionAt(nonAscii);
        const std::string_view line = source.Line(at.line);
        diagnostics.Add({Code::Utf8, at,
                         "the file is UTF-8" + mark + ", not Shift-JIS: save it as Shift-JIS (code page 932)",
                         {{at, "this line is read as " + Quote(DecodeCp932(line)) + ", not " + Quote(Utf8ToUtf16(line))}}});
    } else if (encoding.byteOrderMark) {
        diagnostics.Add({Code::ByteOrderMark, source.PositionAt(0),
                         "the file begins with a UTF-8 byte order mark, which is read as part of its first item"});
    }
    return encoding;
}

}  // namespace milden::check
