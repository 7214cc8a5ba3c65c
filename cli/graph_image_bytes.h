// The graph of a finished run as the bytes of a PNG picture, for --image -.
#pragma once
#include <string>

#include "analysis/view_data.h"

// The image part writes files only, so the picture is drawn into a temporary
// file, read back and removed. false with error set when that fails.
bool graphPngBytes(const ViewData& view, std::string& bytes, std::string& error);
