#include "cli/program_input.h"

#include <unistd.h>

#include "analysis/program_file_read.h"
#include "lang/editor_text.h"

bool readProgramText(const std::string& path, std::string& utf8, std::string& error)
{
    const bool standardInput = path == "-";
    std::string bytes;
    ProgramReadFailure failure;
    const bool read = standardInput ? readProgramStream(STDIN_FILENO, bytes, failure)
                                    : readProgramFile(path, bytes, failure);
    if (!read) {
        error = (standardInput ? "standard input" : path) + ": " + failure.reason;
        return false;
    }
    utf8 = editorTextOf(bytes);
    return true;
}
