// brenno-cli: runs a Bode or FILT analysis on a program file and writes the
// graph data, for use in scripts.
#include <cstdio>
#include <memory>
#include <string>

#include "analysis/analysis_runs.h"
#include "analysis/graph_csv.h"
#include "analysis/listings.h"
#include "cli/cli_hooks.h"
#include "cli/cli_options.h"
#include "cli/graph_image.h"
#include "cli/listing_text.h"
#include "cli/program_input.h"
#include "lang/workareas.h"

namespace {

constexpr int kExitClean = 0;
constexpr int kExitFailed = 1;
constexpr int kExitDividedByZero = 2;
constexpr int kExitUsage = 64;

void printError(const std::string& message)
{
    std::fprintf(stderr, "brenno-cli: %s\n", message.c_str());
}

// The output pane's text as it stands, ended as a terminal line.
void printRunMessage(const CliHooks& hooks)
{
    std::string text = hooks.compileOutput.empty() ? hooks.stopMessage : hooks.compileOutput;
    if (text.empty() || text.back() != '\n')
        text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
}

bool writeStandardOutput(const std::string& bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (std::fflush(stdout) == 0 && written)
        return true;
    printError("standard output: cannot write");
    return false;
}

// The listings asked for, else the CSV unless it goes to a file.
std::string standardOutputText(const CliOptions& options, const ViewData& view)
{
    std::string text;
    if (options.code)
        text += listingText(codeListing());
    if (options.points) {
        if (!text.empty())
            text += '\n';
        text += listingText(resultListing(view));
    }
    if (!options.code && !options.points && options.csvPath.empty() && options.imagePath.empty())
        text = graphCsvText(view);
    return text;
}

bool writeResults(const CliOptions& options, const ViewData& view)
{
    if (!options.csvPath.empty()) {
        std::string error;
        if (!writeGraphCsvFile(options.csvPath, graphCsvText(view), error)) {
            printError(error);
            return false;
        }
    }
    if (!options.imagePath.empty()) {
        std::string error;
        if (!writeGraphImage(options.imagePath, view, error)) {
            printError(error);
            return false;
        }
    }
    return writeStandardOutput(standardOutputText(options, view));
}

int runCommand(const CliOptions& options)
{
    std::string program;
    std::string error;
    if (!readProgramText(options.file, program, error)) {
        printError(error);
        return kExitFailed;
    }
    auto view = std::make_unique<ViewData>();
    applySetup(options, view->settings);
    applyJobs(options);
    CliHooks hooks(program);
    const RunOutcome outcome = options.analysis == CLI_BODE
                                   ? RunBodeAnalysis(*view, hooks, view->settings.useProgramFreq)
                                   : RunFiltAnalysis(*view, hooks, view->settings.useProgramTime);
    printRunMessage(hooks);
    if (outcome == RUN_FAILED)
        return kExitFailed;
    applyDisplay(options, view->bode);
    applyCanvas(options, *view);
    if (!writeResults(options, *view))
        return kExitFailed;
    return outcome == RUN_CLEAN ? kExitClean : kExitDividedByZero;
}

}  // namespace

int main(int argc, char** argv)
{
    CliOptions options;
    std::string error;
    if (!parseCliOptions(argc, argv, options, error)) {
        printError(error);
        std::fputs(kCliUsage, stderr);
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kCliUsage, stdout);
        return kExitClean;
    }
    const int status = runCommand(options);
    freeWorkAreas();
    return status;
}
