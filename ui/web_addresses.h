// The two pages the web links open.
#pragma once

#include <QString>

namespace milden {

// The publication "ノルベ", opened by the banner of the main window.
inline const QString kPublicationAddress = QStringLiteral("https://norube.example.jp/");

// The maker's home page, shown and opened by the address label of the help window.
inline const QString kMakerHomePage = QStringLiteral("https://velk.example.jp/");

}  // namespace milden
