// Runs a program as a child process with given arguments, standard input and working directory,
// and collects what it wrote and how it ended.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace milden::test_support {

struct ProgramRun {
    std::string out;   // standard output
    std::string err;   // standard error
    int exitCode = -1; // -1 when the program did not exit normally (a signal)
    long peakKilobytes = 0;  // the largest resident set the program had
};

// stdoutPath, when given, receives standard output instead (out stays empty).
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                      const std::filesystem::path& workingDirectory, const std::string& stdoutPath = {});

}  // namespace milden::test_support
