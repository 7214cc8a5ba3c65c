// The graph of a finished run as an image file, drawn off-screen as the
// desktop application saves it.
#pragma once
#include <string>

#include "analysis/view_data.h"

// false with error set when the file cannot be written.
bool writeGraphImage(const std::string& path, const ViewData& view, std::string& error);
