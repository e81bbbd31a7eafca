#include "desktop/version_box.h"

#include "lookup/format.h"

namespace milden {

std::u16string VersionBoxPrompt(std::string_view version) {
    std::u16string prompt(kApplicationTitle);
    prompt += u" バージョン ";
    prompt.append(version.begin(), version.end());
    prompt += u"\r\rCopyright (C) Velk探偵事務所";
    return prompt;
}

}  // namespace milden
