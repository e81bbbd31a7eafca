// The window program's start, shared by milden and its start-up benchmark.
#pragma once

#include <functional>

namespace milden {

// Sets up the application as milden does (its name, Qt's own texts in Japanese, the Qt message
// boxes and browser windows), loads and shows tolvaform, runs the event loop and returns its
// status. atStart, if given, runs just before the loop starts.
int RunMilden(int argc, char* argv[], const std::function<void()>& atStart = {});

}  // namespace milden
