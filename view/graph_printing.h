// The graph on a printer page, scaled to fill the page with its proportions kept.
#pragma once
#include "analysis/view_data.h"
#include "view/graph_fonts.h"

class QPrinter;

void printGraph(QPrinter& printer, const ViewData& view, const GraphFonts& fonts, bool showSelection);
