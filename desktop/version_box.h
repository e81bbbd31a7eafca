// The version box of the help menu: its title and its lines, plain text made from the version
// alone, so that any window shows the same box.
#pragma once

#include <string>
#include <string_view>

namespace milden {

inline constexpr std::u16string_view kVersionBoxTitle = u"ﾊﾞｰｼﾞｮﾝ情報";

// Three lines separated by carriage returns: "ミルデン バージョン <version>", an empty line and
// the copyright line. version is ASCII ("1.0.0").
std::u16string VersionBoxPrompt(std::string_view version);

}  // namespace milden
