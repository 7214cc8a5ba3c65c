// Finds and loads the image part: beside the command in the build tree, in
// the library folder of an installation.
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/graph_image.h"

namespace {

std::string executableFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string executable(path, static_cast<size_t>(length));
    return executable.substr(0, executable.rfind('/'));
}

// The part is loaded once and stays loaded until the command ends.
ImagePartEntry loadImagePart(std::string& error)
{
    const std::string folder = executableFolder();
    const std::vector<std::string> candidates = {
        folder + "/" + kImagePartFile,
        folder + "/" + BRENNO_IMAGE_PART_FROM_BIN + "/" + kImagePartFile,
    };
    std::string reasons;
    for (const std::string& candidate : candidates) {
        if (access(candidate.c_str(), F_OK) != 0)
            continue;
        void* part = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (part == nullptr) {
            reasons += std::string(dlerror()) + "; ";
            continue;
        }
        if (void* entry = dlsym(part, kImagePartEntry))
            return reinterpret_cast<ImagePartEntry>(entry);
        reasons += candidate + ": no entry point " + kImagePartEntry + "; ";
    }
    error = "image output is not available: " +
            (reasons.empty() ? std::string(kImagePartFile) + " is not installed beside brenno-cli"
                             : reasons.substr(0, reasons.size() - 2));
    return nullptr;
}

}  // namespace

bool writeGraphImage(const std::string& path, const ViewData& view, std::string& error)
{
    const ImagePartEntry write = loadImagePart(error);
    return write != nullptr && write(path, view, error);
}
