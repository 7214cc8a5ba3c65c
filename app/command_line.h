// The command line of brenno: at most one program source, --help, --version,
// and the options that every Qt application takes. Read before anything of
// the window system starts, so that --help works without a display.
#pragma once
#include <string>

struct AppCommandLine {
    enum Request { RUN, HELP, VERSION, INVALID };
    Request request = RUN;
    std::string file;   // empty: no file named
    std::string error;  // set for INVALID
};

extern const char* const kAppUsage;

AppCommandLine parseAppCommandLine(int argc, const char* const* argv);
