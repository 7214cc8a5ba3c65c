// The readings of the last clean run as the output pane lists them and as
// brenno-cli prints them: one line a reading, its name, its value and what it is.
#pragma once
#include <string>
#include <vector>

#include "analysis/listing.h"
#include "analysis/view_data.h"

struct ReadingLine {
    const char* name;         // as brenno-cli prints it
    const char* description;  // as the output pane shows it
    Reading value;
};

// Why a run has no readings, for the output pane and brenno-cli's standard error.
constexpr const char* kReadingsNotPureNote =
    "note: readings are taken only for a program whose value depends on s alone; "
    "this one reads a value left by an earlier evaluation";

// The lines of the view's graph mode, without values where the run took none.
std::vector<ReadingLine> readingLines(const ViewData& view);

// The value with 15 significant digits, or nothing for a reading that does not exist.
std::string readingText(const Reading& value);

// "name, value" lines, LF ended.
std::string readingsText(const std::vector<ReadingLine>& lines);

// No rows before a clean run has taken readings.
Listing readingsListing(const ViewData& view);
