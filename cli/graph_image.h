// The graph of a finished run as an image file, drawn off-screen as the
// desktop application saves it. The drawing needs Qt, so it lives in a part of
// its own that brenno-cli loads only when an image is asked for.
#pragma once
#include <string>

#include "analysis/view_data.h"

// false with error set when the file cannot be written or the image part
// cannot be loaded.
bool writeGraphImage(const std::string& path, const ViewData& view, std::string& error);

// The image part's file and the entry point it exports, of the type below.
constexpr const char* kImagePartFile = "brenno-cli-image.so";
constexpr const char* kImagePartEntry = "brennoWriteGraphImage";
using ImagePartEntry = bool (*)(const std::string& path, const ViewData& view, std::string& error);
