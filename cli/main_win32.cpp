// The entry point on Windows: the arguments arrive as UTF-16 and go on as UTF-8, and the C
// library's standard streams carry bytes as they are (no CR added to a line end).
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/main.h"
#include "lookup/utf8.h"

int wmain(int argc, wchar_t** argv) {
    for (std::FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
    std::vector<std::string> utf8;
    for (int i = 1; i < argc; ++i) utf8.push_back(milden::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    std::vector<const char*> args;
    for (const std::string& arg : utf8) args.push_back(arg.c_str());
    return milden::cli::RunMildenLookup(args);
}
