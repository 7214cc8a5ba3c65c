// The command line of brenno-cli: which analysis, the setup, the display and the output.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "analysis/view_data.h"

enum CliAnalysis { CLI_BODE, CLI_FILT };

struct CliOptions {
    CliAnalysis analysis = CLI_BODE;
    // margins (bode) and stepinfo (filt): print the readings of the run instead of its data.
    bool readings = false;
    bool help = false;
    bool version = false;
    std::string file;  // kStandardStream: standard input

    bool fromProgram = false;
    std::optional<double> start;
    std::optional<double> end;
    std::optional<int> count;
    std::optional<int> inOmega;
    std::optional<int> arithmetic;
    std::optional<std::array<double, 4>> filt;  // A, B, K1, K2

    bool errorEstimate = false;  // filt: estimate every level's error

    std::optional<int> radianUnits;
    std::optional<int> linearGain;

    std::optional<int> jobs;  // threads; default: one per core

    bool code = false;
    bool points = false;
    std::string csvPath;    // empty: standard output, unless an image is asked for
    std::string imagePath;  // empty: no graph image; kStandardStream: PNG on standard output
    std::optional<CanvasSize> imageSize;  // default: the view's canvas
    bool fitGraph = false;                // the graph fills the image

    bool quiet = false;  // no progress on a terminal
};

// In place of a file name: standard input for the program, standard output
// for --csv and --image.
constexpr const char* kStandardStream = "-";

extern const char* const kCliUsage;

// --jobs takes 1 to this many threads.
constexpr int kMostJobs = 256;

// false with error set when the arguments do not form a valid command.
bool parseCliOptions(int argc, const char* const* argv, CliOptions& options, std::string& error);

// The run inputs the options ask for, over the view's defaults.
void applySetup(const CliOptions& options, AnalysisSettings& settings);
// The number of threads the engines use.
void applyJobs(const CliOptions& options);
// The Bode pane's unit and gain switches, applied after the run.
void applyDisplay(const CliOptions& options, BodeDisplaySettings& bode);
// The canvas of the graph image, with the graph rectangle that a new view
// would give it, or filling it.
void applyCanvas(const CliOptions& options, ViewData& view);
