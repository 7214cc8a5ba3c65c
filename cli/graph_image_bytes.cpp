#include "cli/graph_image_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "cli/graph_image.h"

namespace {

std::string temporaryFolder()
{
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

}  // namespace

bool graphPngBytes(const ViewData& view, std::string& bytes, std::string& error)
{
    std::string path = temporaryFolder() + "/brenno-cli-XXXXXX.png";
    const int descriptor = mkstemps(path.data(), 4);
    if (descriptor < 0) {
        error = "temporary picture in " + temporaryFolder() + ": " + std::strerror(errno);
        return false;
    }
    close(descriptor);
    bool drawn = writeGraphImage(path, view, error);
    if (drawn) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes.empty()) {
            error = path + ": the picture could not be read back";
            drawn = false;
        }
    }
    std::remove(path.c_str());
    return drawn;
}
