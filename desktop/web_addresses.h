// The two pages the web links open.
#pragma once

#include <string_view>

namespace milden {

// The publication "ノルベ", opened by the banner of the main window.
inline constexpr std::u16string_view kPublicationAddress = u"https://norube.example.jp/";

// The maker's home page, shown and opened by the address label of the help window.
inline constexpr std::u16string_view kMakerHomePage = u"https://velk.example.jp/";

}  // namespace milden
