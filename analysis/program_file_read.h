// Reading a program file, safely: anything that is not a plain file (a folder,
// a pipe, a device such as /dev/zero) and anything far too large to be a
// program is refused before a byte is read, and nothing ever waits on a pipe.
#pragma once
#include <cstddef>
#include <string>

// Far beyond the 16381 bytes a run compiles; a larger file is not a program.
constexpr size_t kProgramFileLimit = 4 * 1024 * 1024;

enum class ProgramReadStep {
    Open,  // missing, not allowed, not a plain file or too large
    Read,  // the system failed while the bytes were read
};

struct ProgramReadFailure {
    ProgramReadStep step = ProgramReadStep::Open;
    std::string reason;
};

bool readProgramFile(const std::string& path, std::string& bytes, ProgramReadFailure& failure);

// A stream the user hands over (standard input): read to its end, at most
// kProgramFileLimit bytes.
bool readProgramStream(int fd, std::string& bytes, ProgramReadFailure& failure);
