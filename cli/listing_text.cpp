#include "cli/listing_text.h"

namespace {

void appendLine(std::string& text, const std::vector<std::string>& cells)
{
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += '\t';
        text += cells[i];
    }
    text += '\n';
}

}  // namespace

std::string listingText(const Listing& listing)
{
    std::vector<std::string> headings;
    for (const ListingColumn& column : listing.columns)
        headings.push_back(column.heading);
    std::string text;
    appendLine(text, headings);
    for (const std::vector<std::string>& row : listing.rows)
        appendLine(text, row);
    return text;
}
