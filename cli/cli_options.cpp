#include "cli/cli_options.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "analysis/evaluation_engine.h"

const char* const kCliUsage =
    "usage: brenno-cli bode|filt [options] FILE\n"
    "       brenno-cli margins|stepinfo [setup options] FILE\n"
    "  Runs the analysis on the program in FILE (\"-\": standard input) and writes\n"
    "  the graph data as CSV to standard output; margins (a Bode run) and stepinfo\n"
    "  (a FILT run) print the run's readings as \"name, value\" lines instead.\n"
    "Setup (default: the application's initial settings)\n"
    "  --from-program      take FREQ/OMEGA (bode) or TIME and FILT (filt) from the program\n"
    "  --start X --end Y   the range\n"
    "  --count N           the number of points\n"
    "  --hz | --omega      bode: the range in Hz or in rad/s\n"
    "  --geo | --arith     bode: geometric or arithmetic sequence\n"
    "  --filt A,B,K1,K2    filt: the FILT parameters\n"
    "  --error             filt, stepinfo: estimate the error of every level (a third\n"
    "                      CSV column; stepinfo prints its largest value)\n"
    "Display (bode, applied after the run)\n"
    "  --units hz|rad      frequency in Hz and phase in degrees, or rad/s and radians\n"
    "  --gain db|linear    gain in dB or linear\n"
    "Output\n"
    "  --csv FILE          write the CSV to FILE (\"-\": standard output)\n"
    "  --code              print the internal-code listing instead of the CSV\n"
    "  --points            print the graph-data listing instead of the CSV\n"
    "  --image FILE        draw the graph into FILE (.bmp .jpg .png .tif .svg .pdf;\n"
    "                      \"-\": PNG to standard output)\n"
    "  --size WxH          the image size, 400..2000 x 300..2000 (default 400x300)\n"
    "  --fit               draw the graph filling the image, with room for its labels\n"
    "  --quiet             no progress on a terminal\n"
    "Evaluation\n"
    "  --jobs N            share the points out over N threads (default: one per core)\n"
    "Information\n"
    "  --help              show this text\n"
    "  --version           show the version\n"
    "Numbers are read as strtod reads them (decimal or hexadecimal, finite), without\n"
    "blanks around them.\n"
    "Exit status: 0 clean run, 1 failed run, 2 division by zero, 64 usage error,\n"
    "  130 (Ctrl+C) and 143 (SIGTERM) when the run was stopped; nothing is written then.\n";

namespace {

// strtod and strtol skip blanks before a number but not after it; neither is
// part of a number here.
bool startsWithBlank(const std::string& text)
{
    return !text.empty() && std::isspace(static_cast<unsigned char>(text.front()));
}

// Whatever strtod reads in full as a finite number, an underflow to a
// subnormal number or to zero included.
bool parseNumber(const std::string& text, std::optional<double>& value)
{
    if (text.empty() || startsWithBlank(text))
        return false;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseCount(const std::string& text, std::optional<int>& value)
{
    if (text.empty() || startsWithBlank(text))
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// Four numbers separated by commas.
bool parseFiltParameters(const std::string& text, std::optional<std::array<double, 4>>& value)
{
    std::array<double, 4> parameters{};
    size_t from = 0;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const bool last = i + 1 == parameters.size();
        const size_t comma = text.find(',', from);
        if ((comma == std::string::npos) != last)
            return false;
        std::optional<double> number;
        if (!parseNumber(text.substr(from, last ? std::string::npos : comma - from), number))
            return false;
        parameters[i] = *number;
        from = comma + 1;
    }
    value = parameters;
    return true;
}

// WIDTHxHEIGHT within the sizes a saved graph image may take.
bool parseCanvasSize(const std::string& text, std::optional<CanvasSize>& value)
{
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    std::optional<int> width;
    std::optional<int> height;
    if (!parseCount(text.substr(0, x), width) || !parseCount(text.substr(x + 1), height))
        return false;
    if (*width < kCanvasWidthMin || *width > kCanvasWidthMax || *height < kCanvasHeightMin ||
        *height > kCanvasHeightMax)
        return false;
    value = CanvasSize{*width, *height};
    return true;
}

bool parseJobs(const std::string& text, std::optional<int>& value)
{
    return parseCount(text, value) && *value >= 1 && *value <= kMostJobs;
}

bool parseChoice(const std::string& text, const char* one, const char* zero, std::optional<int>& value)
{
    if (text != one && text != zero)
        return false;
    value = text == one ? 1 : 0;
    return true;
}

enum OptionScope { ANY_ANALYSIS, BODE_ONLY, FILT_ONLY };

// Setup options give what --from-program leaves to the program.
enum OptionRole { SETUP, NOT_SETUP };

using OptionValue = const std::string&;

struct OptionRule {
    OptionScope scope;
    OptionRole role;
    bool takesValue;
    // Stores the value; false when it is not valid for the option.
    bool (*apply)(CliOptions&, OptionValue);
};

const std::map<std::string, OptionRule>& optionTable()
{
    static const std::map<std::string, OptionRule> table = {
        {"--from-program",
         {ANY_ANALYSIS, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.fromProgram = true; }}},
        {"--start", {ANY_ANALYSIS, SETUP, true, [](CliOptions& o, OptionValue v) { return parseNumber(v, o.start); }}},
        {"--end", {ANY_ANALYSIS, SETUP, true, [](CliOptions& o, OptionValue v) { return parseNumber(v, o.end); }}},
        {"--count", {ANY_ANALYSIS, SETUP, true, [](CliOptions& o, OptionValue v) { return parseCount(v, o.count); }}},
        {"--hz", {BODE_ONLY, SETUP, false, [](CliOptions& o, OptionValue) { o.inOmega = 0; return true; }}},
        {"--omega", {BODE_ONLY, SETUP, false, [](CliOptions& o, OptionValue) { o.inOmega = 1; return true; }}},
        {"--geo", {BODE_ONLY, SETUP, false, [](CliOptions& o, OptionValue) { o.arithmetic = 0; return true; }}},
        {"--arith", {BODE_ONLY, SETUP, false, [](CliOptions& o, OptionValue) { o.arithmetic = 1; return true; }}},
        {"--filt",
         {FILT_ONLY, SETUP, true, [](CliOptions& o, OptionValue v) { return parseFiltParameters(v, o.filt); }}},
        {"--error", {FILT_ONLY, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.errorEstimate = true; }}},
        {"--units",
         {BODE_ONLY, NOT_SETUP, true,
          [](CliOptions& o, OptionValue v) { return parseChoice(v, "rad", "hz", o.radianUnits); }}},
        {"--gain",
         {BODE_ONLY, NOT_SETUP, true,
          [](CliOptions& o, OptionValue v) { return parseChoice(v, "linear", "db", o.linearGain); }}},
        {"--jobs", {ANY_ANALYSIS, NOT_SETUP, true, [](CliOptions& o, OptionValue v) { return parseJobs(v, o.jobs); }}},
        {"--code", {ANY_ANALYSIS, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.code = true; }}},
        {"--points", {ANY_ANALYSIS, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.points = true; }}},
        {"--csv",
         {ANY_ANALYSIS, NOT_SETUP, true, [](CliOptions& o, OptionValue v) { o.csvPath = v; return !v.empty(); }}},
        {"--image",
         {ANY_ANALYSIS, NOT_SETUP, true, [](CliOptions& o, OptionValue v) { o.imagePath = v; return !v.empty(); }}},
        {"--size",
         {ANY_ANALYSIS, NOT_SETUP, true,
          [](CliOptions& o, OptionValue v) { return parseCanvasSize(v, o.imageSize); }}},
        {"--fit", {ANY_ANALYSIS, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.fitGraph = true; }}},
        {"--quiet", {ANY_ANALYSIS, NOT_SETUP, false, [](CliOptions& o, OptionValue) { return o.quiet = true; }}},
    };
    return table;
}

struct AnalysisWord {
    const char* word;
    CliAnalysis analysis;
    bool readings;
};

constexpr AnalysisWord kAnalysisWords[] = {
    {"bode", CLI_BODE, false},
    {"filt", CLI_FILT, false},
    {"margins", CLI_BODE, true},
    {"stepinfo", CLI_FILT, true},
};

bool parseAnalysis(const std::string& word, CliOptions& options)
{
    for (const AnalysisWord& known : kAnalysisWords) {
        if (word == known.word) {
            options.analysis = known.analysis;
            options.readings = known.readings;
            return true;
        }
    }
    return false;
}

// The readings commands print readings only: they take the setup and nothing
// that shapes the data output; their runs show progress like any other.
bool takenByReadings(const std::string& option, const OptionRule& rule)
{
    return rule.role == SETUP || option == "--from-program" || option == "--error" || option == "--jobs" ||
           option == "--quiet";
}

// --help and --version answer alone, wherever they stand among the options.
bool takeInformationRequest(const std::string& arg, CliOptions& options)
{
    options.help = arg == "--help" || arg == "-h";
    options.version = arg == "--version";
    return options.help || options.version;
}

// One output at most may go to standard output, where they would run together.
std::string standardOutputClash(const CliOptions& o)
{
    const bool csv = o.csvPath == kStandardStream;
    const bool image = o.imagePath == kStandardStream;
    const bool listings = o.code || o.points;
    if (image && (csv || listings))
        return std::string("--image - and ") + (csv ? "--csv -" : o.code ? "--code" : "--points") +
               " would both write to standard output";
    if (csv && listings)
        return std::string("--csv - and ") + (o.code ? "--code" : "--points") + " would both write to standard output";
    return std::string();
}

bool scopeFits(OptionScope scope, CliAnalysis analysis)
{
    return scope == ANY_ANALYSIS || (scope == BODE_ONLY) == (analysis == CLI_BODE);
}

}  // namespace

bool parseCliOptions(int argc, const char* const* argv, CliOptions& options, std::string& error)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && takeInformationRequest(args[0], options))
        return true;
    if (args.empty() || !parseAnalysis(args[0], options)) {
        error = args.empty() ? "no analysis given" : "unknown analysis \"" + args[0] + "\"";
        return false;
    }
    std::vector<std::string> files;
    std::string setupOption;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.compare(0, 2, "--") != 0) {
            files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (takeInformationRequest(arg, options))
            return true;
        std::string value;
        const size_t equals = arg.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = arg.substr(equals + 1);
            arg.erase(equals);
        }
        const auto found = optionTable().find(arg);
        if (found == optionTable().end()) {
            error = "unknown option " + arg;
            return false;
        }
        const OptionRule& option = found->second;
        if (!scopeFits(option.scope, options.analysis) || (options.readings && !takenByReadings(arg, option))) {
            error = arg + " does not apply to " + args[0];
            return false;
        }
        if (option.takesValue && !inlineValue) {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return false;
            }
            value = args[++i];
        } else if (!option.takesValue && inlineValue) {
            error = arg + " takes no value";
            return false;
        }
        if (!option.apply(options, value)) {
            error = "invalid value \"" + value + "\" for " + arg;
            return false;
        }
        if (option.role == SETUP)
            setupOption = arg;
    }
    if (options.fromProgram && !setupOption.empty()) {
        error = "--from-program takes the setup from the program; it cannot be combined with " + setupOption;
        return false;
    }
    if ((options.imageSize || options.fitGraph) && options.imagePath.empty()) {
        error = std::string(options.imageSize ? "--size" : "--fit") + " needs --image";
        return false;
    }
    error = standardOutputClash(options);
    if (!error.empty())
        return false;
    if (files.size() != 1) {
        error = files.empty() ? "no program file given" : "more than one program file given";
        return false;
    }
    options.file = files[0];
    return true;
}

void applySetup(const CliOptions& o, AnalysisSettings& s)
{
    const bool bode = o.analysis == CLI_BODE;
    if (o.start)
        (bode ? s.sweepStart : s.timeStart) = *o.start;
    if (o.end)
        (bode ? s.sweepEnd : s.timeEnd) = *o.end;
    if (o.count)
        (bode ? s.sweepCount : s.timeCount) = *o.count;
    if (o.inOmega)
        s.sweepInOmega = *o.inOmega;
    if (o.arithmetic)
        s.sweepArithmetic = *o.arithmetic;
    if (o.filt) {
        s.filtA = (*o.filt)[0];
        s.filtB = (*o.filt)[1];
        s.filtK1 = (*o.filt)[2];
        s.filtK2 = (*o.filt)[3];
    }
    s.useProgramFreq = bode && o.fromProgram ? 1 : 0;
    s.useProgramTime = !bode && o.fromProgram ? 1 : 0;
    s.filtErrorEstimate = o.errorEstimate ? 1 : 0;
}

void applyJobs(const CliOptions& o)
{
    if (o.jobs)
        setEngineSettings(EngineSettings{*o.jobs, PATH_FASTEST});
}

void applyDisplay(const CliOptions& o, BodeDisplaySettings& bode)
{
    if (o.radianUnits)
        bode.radianUnits = *o.radianUnits;
    if (o.linearGain)
        bode.linearGain = *o.linearGain;
}

void applyCanvas(const CliOptions& o, ViewData& view)
{
    view.fitGraphToImage = o.fitGraph ? 1 : 0;
    // The graph rectangle stays where the view starts it, as the size dialog leaves it.
    if (o.imageSize)
        view.canvasSize = *o.imageSize;
}
