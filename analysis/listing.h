// A listing of the output pane as plain data: column headings and widths, rows of cell texts.
#pragma once
#include <string>
#include <vector>

struct ListingColumn {
    std::string heading;  // UTF-8
    int width = 80;       // pixels
};

struct Listing {
    std::vector<ListingColumn> columns;
    std::vector<std::vector<std::string>> rows;  // UTF-8 cell texts, one vector per row
};
