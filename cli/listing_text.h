// A listing as text: the headings, then one line per row, cells separated by tabs.
#pragma once
#include <string>

#include "analysis/listing.h"

std::string listingText(const Listing& listing);
