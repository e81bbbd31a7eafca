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

// What must be the same in a twin's run: everything, or (where the platforms rightly differ, as
// in the reason a device name is no data file) the exit status alone.
enum class TwinCompare { Everything, ExitStatus };

// stdoutPath, when given, receives standard output instead (out stays empty).
//
// When the environment names a twin in MILDEN_LOOKUP_TWIN (the same program from another build,
// as one command: milden-lookup.exe under Wine), the twin is run the same way too, and a
// difference in its output, its standard error or its exit status fails the test.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                      const std::filesystem::path& workingDirectory, const std::string& stdoutPath = {},
                      TwinCompare compare = TwinCompare::Everything);

// The twin's command, or "" when there is none.
std::string TwinProgram();

}  // namespace milden::test_support
