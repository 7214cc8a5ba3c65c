// A program file's text as the source editor holds it once opened, so that the
// batch command compiles exactly what the editor would.
#pragma once
#include <string>

// The file's bytes read as the editor's open reads them (programFileText),
// then with the editor's own changes: every line end (CR LF, LF, CR, U+2028,
// U+2029) becomes CR LF, a no-break space a plain space, and a byte-order
// mark still left at the start (a file with two) goes.
std::string editorTextOf(const std::string& fileBytes);
