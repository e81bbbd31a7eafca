// The entry point on POSIX systems: the arguments are taken as the bytes they are (UTF-8).
#include "cli/main.h"

int main(int argc, char** argv) {
    return milden::cli::RunMildenLookup(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
}
