#include "analysis/program_file_read.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kTooLarge = "larger than " + std::to_string(kProgramFileLimit) + " bytes, not a program text";

bool fail(ProgramReadFailure& failure, ProgramReadStep step, const std::string& reason)
{
    failure = ProgramReadFailure{step, reason};
    return false;
}

// What stands at the path when it is not a plain file.
std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (S_ISFIFO(mode))
        return "a pipe, not a program file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device, not a program file";
    return "not a program file";
}

}  // namespace

bool readProgramStream(int fd, std::string& bytes, ProgramReadFailure& failure)
{
    // One page: every page of a larger buffer on the stack is probed, and a
    // first touch of a page is a good part of a short run's start.
    char chunk[4096];
    bytes.clear();
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(failure, ProgramReadStep::Read, std::strerror(errno));
        if (got == 0)
            return true;
        bytes.append(chunk, static_cast<size_t>(got));
        if (bytes.size() > kProgramFileLimit)
            return fail(failure, ProgramReadStep::Open, kTooLarge);
    }
}

// Opened without waiting (a pipe with no writer would block an ordinary
// open), then looked at before anything is read.
bool readProgramFile(const std::string& path, std::string& bytes, ProgramReadFailure& failure)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(failure, ProgramReadStep::Open, std::strerror(errno));
    struct stat file;
    bool read = false;
    if (::fstat(fd, &file) != 0)
        fail(failure, ProgramReadStep::Open, std::strerror(errno));
    else if (!S_ISREG(file.st_mode))
        fail(failure, ProgramReadStep::Open, kindOf(file.st_mode));
    else if (static_cast<unsigned long long>(file.st_size) > kProgramFileLimit)
        fail(failure, ProgramReadStep::Open, kTooLarge);
    else
        read = readProgramStream(fd, bytes, failure);
    ::close(fd);
    return read;
}
