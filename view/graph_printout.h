// Printing the graph, on a printer or into a PDF file when the print dialog
// says so. Qt's printer writes such a file in place and does not notice a
// write that failed (a full disk leaves the old file cut and says nothing), so
// a printout into a file is made in memory and put in place by the one safe
// write path instead.
#pragma once
#include <QString>

class QPrinter;
struct GraphFonts;
struct ViewData;

// The canvas fills the page, its proportions kept. False with a message
// naming the file and the system's reason when the printout failed.
bool printGraph(QPrinter& printer, const ViewData& view, const GraphFonts& fonts, QString& failure);
