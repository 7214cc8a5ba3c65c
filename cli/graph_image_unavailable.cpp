// brenno-cli built without the desktop libraries draws no images.
#include "cli/graph_image.h"

bool writeGraphImage(const std::string& path, const ViewData&, std::string& error)
{
    error = path + ": this brenno-cli was built without image output";
    return false;
}
