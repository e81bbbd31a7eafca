// What the file's bytes say before any item is read: empty, saved as UTF-8, a byte order mark.
#pragma once

#include <string_view>

#include "check/diagnostic.h"
#include "check/source_file.h"

namespace milden::check {

// The three bytes an editor writes at the start of a UTF-8 file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct FileEncoding {
    bool empty = false;
    bool byteOrderMark = false;
    bool utf8 = false;  // valid UTF-8 with non-ASCII text: its Shift-JIS reading is noise
};

// Finds and reports the three. A file that is valid UTF-8 and holds a character outside ASCII is
// taken as UTF-8: a Shift-JIS file with Japanese text is valid UTF-8 only by the accident of a
// few characters, as its lead bytes 0x81 to 0x9F and its half-width katakana cannot start a
// UTF-8 sequence.
FileEncoding CheckEncoding(const SourceFile& source, Diagnostics& diagnostics);

}  // namespace milden::check
