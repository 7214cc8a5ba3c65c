// brenno-cli during a long run, as a user sees it: the progress on a terminal,
// and Ctrl+C or SIGTERM stopping the run without harming the files.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temporary_folder.h"


namespace {

using namespace std::chrono_literals;

// 340 terms of tan(s)**s: at the term cap one time point takes a good part of
// a second, so a 2048-point run lasts far longer than any test waits.
std::string heavyProgram()
{
    std::string terms = "tan(s)**s";
    for (int i = 1; i < 340; ++i)
        terms += " + tan(s)**s";
    return "H(s) = " + terms + ";\r\nPROBE H(s);\r\n";
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* entries = opendir(folder.c_str());
    while (const dirent* entry = entries ? readdir(entries) : nullptr)
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    if (entries)
        closedir(entries);
    std::sort(names.begin(), names.end());
    return names;
}

int threadCount(pid_t pid)
{
    return static_cast<int>(folderEntries("/proc/" + std::to_string(pid) + "/task").size());
}

// brenno-cli filt at the term cap in the background, its standard error on a
// terminal of its own or in a file. Two engine threads on any machine: their
// start tells that the run computes.
class LongRun {
public:
    LongRun(const std::vector<std::string>& options, bool onTerminal, const std::string& errorFile)
        : errorFile_(errorFile)
    {
        std::vector<std::string> args = {BRENNO_CLI, "filt", "--jobs", "2", "--count", "2048", "--filt", "4,0,1e9,0.2"};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const int errorFd = onTerminal ? -1 : open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_ = onTerminal ? forkpty(&terminal_, nullptr, nullptr, nullptr) : fork();
        if (pid_ == 0) {
            if (!onTerminal)
                dup2(errorFd, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        if (errorFd >= 0)
            close(errorFd);
    }

    // The worker thread is there: the run computes.
    bool waitUntilComputing() const
    {
        for (auto waited = 0ms; waited < 20s; waited += 10ms) {
            if (threadCount(pid_) >= 2)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    // The terminal's bytes until text shows up among them.
    bool waitForTerminalText(const std::string& text)
    {
        for (auto waited = 0ms; waited < 20s && terminalText_.find(text) == std::string::npos; waited += 50ms)
            if (!readTerminal(50))
                break;
        return terminalText_.find(text) != std::string::npos;
    }

    // The exit status, or -1 when the process did not exit by itself.
    int stop(int signal)
    {
        kill(pid_, signal);
        if (terminal_ >= 0)
            while (readTerminal(20000)) {
            }
        int raw = 0;
        waitpid(pid_, &raw, 0);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string standardError() const { return terminal_ >= 0 ? terminalText_ : readFile(errorFile_); }

    ~LongRun()
    {
        if (terminal_ >= 0)
            close(terminal_);
    }

private:
    // false at the end of the terminal's output; true when it may go on.
    bool readTerminal(int timeoutMs)
    {
        pollfd ready{terminal_, POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) == 0)
            return timeoutMs < 1000;
        char buffer[4096];
        const ssize_t got = read(terminal_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        terminalText_.append(buffer, static_cast<size_t>(got));
        return true;
    }

    std::string errorFile_;
    pid_t pid_ = -1;
    int terminal_ = -1;
    std::string terminalText_;
};

}  // namespace

using CliInterrupt = TemporaryFolderTest;

TEST_F(CliInterrupt, ASignalStopsTheRunAndLeavesTheOldCsvAlone)
{
    struct Case {
        int signal;
        int status;
    };
    const std::string program = path("heavy.txt");
    std::ofstream(program, std::ios::binary) << heavyProgram();
    const std::string csv = path("kept.csv");
    const std::string oldRows = "rows of the last export\r\n";
    for (const Case& c : {Case{SIGINT, 130}, Case{SIGTERM, 143}}) {
        SCOPED_TRACE(strsignal(c.signal));
        std::ofstream(csv, std::ios::binary) << oldRows;
        LongRun run({"--csv", csv, program}, false, path("stderr"));
        ASSERT_TRUE(run.waitUntilComputing());
        EXPECT_EQ(run.stop(c.signal), c.status);
        EXPECT_EQ(run.standardError(), "brenno-cli: interrupted; nothing was written\n");
        EXPECT_EQ(readFile(csv), oldRows);
        const std::vector<std::string> noTemporaryFile = {"heavy.txt", "kept.csv", "stderr"};
        EXPECT_EQ(folderEntries(folder_), noTemporaryFile);
    }
}

TEST_F(CliInterrupt, ProgressShowsOnATerminalOnly)
{
    const std::string program = path("heavy.txt");
    std::ofstream(program, std::ios::binary) << heavyProgram();
    const std::string interrupted = "brenno-cli: interrupted; nothing was written";

    LongRun onTerminal({program}, true, "");
    ASSERT_TRUE(onTerminal.waitForTerminalText("%"));
    EXPECT_EQ(onTerminal.stop(SIGINT), 130);
    const std::string shown = onTerminal.standardError();
    EXPECT_EQ(shown.rfind("\rbrenno-cli: ", 0), 0u) << shown;
    EXPECT_NE(shown.find("%\r\x1b[K" + interrupted), std::string::npos) << "the line is erased before the message";

    for (const bool terminal : {true, false}) {
        SCOPED_TRACE(terminal ? "--quiet on a terminal" : "standard error in a file");
        std::vector<std::string> options = {program};
        if (terminal)
            options.insert(options.begin(), "--quiet");
        LongRun quiet(options, terminal, path("stderr"));
        ASSERT_TRUE(quiet.waitUntilComputing());
        std::this_thread::sleep_for(600ms);
        EXPECT_EQ(quiet.stop(SIGINT), 130);
        EXPECT_EQ(quiet.standardError().find('%'), std::string::npos) << quiet.standardError();
    }
}
