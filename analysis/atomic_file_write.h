// The one way Brenno writes a file (program sources, graph images, CSV): the
// bytes go to a temporary file in the target's folder, which replaces the
// target only once every byte is written and on the disk. A failure at any
// step leaves the old file as it was and no temporary file behind.
#pragma once
#include <string>

enum class FileWriteStep {
    Create,  // the file (or its temporary file) could not be made
    Write,   // writing, flushing, closing or putting it in place failed
};

struct FileWriteFailure {
    FileWriteStep step = FileWriteStep::Create;
    std::string reason;  // the system's description of the error
};

// An existing file keeps its permission bits, and a symbolic link stays a link:
// the file it points to is replaced. A device or pipe (/dev/null) has no old
// contents to keep and is written straight; so is a stream the caller holds
// open (/dev/stdout, /dev/fd/N), added to whatever it already holds.
bool writeFileAtomically(const std::string& path, const std::string& bytes, FileWriteFailure& failure);
