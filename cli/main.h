// milden-lookup as a whole, below the platform's entry point.
#pragma once

#include <span>

namespace milden::cli {

// Runs milden-lookup on its arguments (UTF-8, the program's name left out) and returns its exit
// status.
int RunMildenLookup(std::span<const char* const> args);

}  // namespace milden::cli
