#include "cli/program_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "lang/source_encoding.h"

namespace {

constexpr size_t kProgramFileLimit = 4 * 1024 * 1024;

bool readAll(std::FILE* file, const std::string& name, std::string& bytes, std::string& error)
{
    char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
        if (bytes.size() > kProgramFileLimit) {
            error = name + ": larger than " + std::to_string(kProgramFileLimit) + " bytes, not a program text";
            return false;
        }
    }
    if (std::ferror(file)) {
        error = name + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool readProgramText(const std::string& path, std::string& utf8, std::string& error)
{
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = name + ": " + std::strerror(errno);
        return false;
    }
    std::string bytes;
    const bool read = readAll(file, name, bytes, error);
    if (!standardInput)
        std::fclose(file);
    if (!read)
        return false;
    utf8 = programFileText(bytes);
    return true;
}
