// The thread's message loop, shared by the program and the modal help window.
#pragma once

#include <functional>

namespace milden {

// Dispatches the thread's messages until done() is true, with the dialog keys (Tab, the arrow
// keys in the option group, Return, Escape, access keys) working in every window. A WM_QUIT ends
// it too, and is posted again for the loop outside.
void RunMessagesUntil(const std::function<bool()>& done);

}  // namespace milden
