// What a screen reader calls a control: the name of the design, and the link role for links,
// in place of what Windows would make up from its caption or the label before it.
#pragma once

#include <windows.h>

#include <string_view>

namespace milden {

// From now on the control's accessible object (OBJID_CLIENT) reports name, and the link role when
// link is true; everything else comes from Windows' own object for the control.
void SetAccessibleName(HWND control, std::u16string_view name, bool link);

}  // namespace milden
