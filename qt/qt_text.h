// The shared texts (UTF-16 and ASCII) as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace milden {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString ToQString(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

}  // namespace milden
