#include "tests/cli/run_program.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/temp_dir.h"

namespace milden::test_support {
namespace {

std::string ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Where two outputs first differ, as the line of each, or "" when they are the same.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    const auto [at, unused] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto lineOf = [](const std::string& text, std::size_t offset) {
        const std::size_t start = text.rfind('\n', offset == 0 ? 0 : offset - 1);
        const std::size_t from = offset == 0 || start == std::string::npos ? 0 : start + 1;
        return "\"" + text.substr(from, text.find('\n', from) - from) + "\"";
    };
    const auto offset = static_cast<std::size_t>(at - expected.begin());
    const auto line = std::count(expected.begin(), at, '\n') + 1;
    return "line " + std::to_string(line) + ": " + lineOf(expected, offset) + " here, " + lineOf(actual, offset) + " from the twin";
}

ProgramRun RunOnce(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                   const std::filesystem::path& workingDirectory, const std::string& stdoutPath) {
    // Files, not pipes: nothing can block however much either side writes.
    const TempDir io;
    const std::string inPath = io.Write("stdin", input);
    const std::string outPath = stdoutPath.empty() ? (io.path() / "stdout").string() : stdoutPath;
    const std::string errPath = (io.path() / "stderr").string();

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(workingDirectory.c_str()) != 0) {
            ::_exit(127);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = usage.ru_maxrss;
    if (stdoutPath.empty()) run.out = ReadWhole(outPath);
    run.err = ReadWhole(errPath);
    return run;
}

}  // namespace

std::string TwinProgram() {
    const char* twin = std::getenv("MILDEN_LOOKUP_TWIN");
    return twin != nullptr ? twin : "";
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                      const std::filesystem::path& workingDirectory, const std::string& stdoutPath,
                      TwinCompare compare) {
    const ProgramRun run = RunOnce(program, args, input, workingDirectory, stdoutPath);
    if (const std::string twin = TwinProgram(); !twin.empty()) {
        // With stdoutPath (a device such as /dev/full) only the error and the status compare.
        const ProgramRun other = RunOnce(twin, args, input, workingDirectory, stdoutPath);
        std::string command;
        for (const std::string& arg : args) command += " " + arg;
        if (compare == TwinCompare::Everything) {
            EXPECT_EQ(FirstDifference(run.out, other.out), "") << "standard output of" << command;
            EXPECT_EQ(FirstDifference(run.err, other.err), "") << "standard error of" << command;
        }
        EXPECT_EQ(run.exitCode, other.exitCode) << "exit status of" << command;
    }
    return run;
}

}  // namespace milden::test_support
