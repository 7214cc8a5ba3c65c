// The points of the last run as a CSV file, as the graph currently shows them.
#pragma once
#include <string>

#include "analysis/view_data.h"

// Saving is offered only when the view holds points of a known graph mode.
bool csvExportEnabled(const ViewData& view);

// The file's bytes: code page 932 (ASCII in practice), CR LF line ends with a
// space before them, "%E" numbers, no terminating zero.
std::string graphCsvText(const ViewData& view);

// Writes bytes unchanged as the file path, replacing any old file only once
// the new one is complete; on failure error names the file and the system's
// reason, and the old file is as it was.
bool writeGraphCsvFile(const std::string& path, const std::string& bytes, std::string& error);
