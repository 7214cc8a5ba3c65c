// brenno-cli: runs a Bode or FILT analysis on a program file and writes the
// graph data, for use in scripts.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "analysis/analysis_runs.h"
#include "analysis/graph_csv.h"
#include "analysis/listings.h"
#include "analysis/readings_listing.h"
#include "cli/cli_hooks.h"
#include "cli/cli_options.h"
#include "cli/graph_image.h"
#include "cli/graph_image_bytes.h"
#include "cli/interrupts.h"
#include "cli/listing_text.h"
#include "cli/program_input.h"
#include "cli/run_progress.h"
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

bool writesToFile(const std::string& path) { return !path.empty() && path != kStandardStream; }

// The picture for --image -, else the listings asked for, else the CSV unless
// it goes to a file or a picture was asked for instead.
bool standardOutputText(const CliOptions& options, const ViewData& view, std::string& text)
{
    if (options.imagePath == kStandardStream) {
        std::string error;
        if (graphPngBytes(view, text, error))
            return true;
        printError(error);
        return false;
    }
    if (options.code)
        text += listingText(codeListing());
    if (options.points) {
        if (!text.empty())
            text += '\n';
        text += listingText(resultListing(view));
    }
    const bool csvByDefault = !options.code && !options.points && options.csvPath.empty() && options.imagePath.empty();
    if (csvByDefault || options.csvPath == kStandardStream)
        text = graphCsvText(view);
    return true;
}

bool writeResults(const CliOptions& options, const ViewData& view)
{
    if (writesToFile(options.csvPath)) {
        std::string error;
        if (!writeGraphCsvFile(options.csvPath, graphCsvText(view), error)) {
            printError(error);
            return false;
        }
    }
    if (writesToFile(options.imagePath)) {
        std::string error;
        if (!writeGraphImage(options.imagePath, view, error)) {
            printError(error);
            return false;
        }
    }
    std::string text;
    return standardOutputText(options, view, text) && writeStandardOutput(text);
}

// The readings commands: every reading's line, empty where the run took none.
int printReadings(const ViewData& view, RunOutcome outcome)
{
    if (view.readings.state == READINGS_NOT_PURE)
        printError(kReadingsNotPureNote);
    if (!writeStandardOutput(readingsText(readingLines(view))))
        return kExitFailed;
    if (outcome == RUN_DIVIDED_BY_ZERO)
        return kExitDividedByZero;
    return view.readings.state == READINGS_TAKEN ? kExitClean : kExitFailed;
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
    hooks.takesReadings = options.readings;
    const RunPlan plan = options.analysis == CLI_BODE ? prepareBodeRun(*view, hooks, view->settings.useProgramFreq)
                                                      : prepareFiltRun(*view, hooks, view->settings.useProgramTime);
    RunProgress progress;
    const StopRunOnInterrupt stopOnInterrupt(progress);
    const int count = computeShowingProgress(plan, progress, !options.quiet && isatty(STDERR_FILENO));
    if (progress.cancelRequested) {
        abandonRun(plan);
        printError("interrupted; nothing was written");
        return exitStatusOfInterrupt(receivedInterrupt());
    }
    const RunOutcome outcome = finishRun(*view, hooks, plan, count);
    printRunMessage(hooks);
    if (outcome == RUN_FAILED)
        return kExitFailed;
    if (outcome == RUN_CLEAN && view->settings.filtErrorEstimate && !view->errorEstimateTaken) {
        printError(kReadingsNotPureNote);
        return kExitFailed;
    }
    if (options.readings)
        return printReadings(*view, outcome);
    applyDisplay(options, view->bode);
    applyCanvas(options, *view);
    if (!writeResults(options, *view))
        return kExitFailed;
    // An interrupt while the files were written let them end whole.
    if (receivedInterrupt() != 0)
        return exitStatusOfInterrupt(receivedInterrupt());
    return outcome == RUN_CLEAN ? kExitClean : kExitDividedByZero;
}

}  // namespace

int main(int argc, char** argv)
{
    installInterruptHandlers();
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
    if (options.version) {
        std::printf("brenno-cli %s\n", BRENNO_VERSION);
        return kExitClean;
    }
    const int status = runCommand(options);
    freeWorkAreas();
    return status;
}
