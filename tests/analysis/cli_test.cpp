// brenno-cli run as a user runs it: arguments, standard input, exit status, both outputs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/analysis/analysis_fixture.h"

namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// ctest runs the cases in parallel processes: each keeps its files apart.
std::string tempPath(const std::string& name)
{
    return ::testing::TempDir() + "brenno_cli_test_" + std::to_string(getpid()) + "_" + name;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string writeFile(const std::string& name, const std::string& bytes)
{
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// fileSizeLimit: files the command writes cannot grow past that many KiB, as on a full disk.
// environment: assignments put before the command, as a shell takes them.
CliResult runCli(const std::string& args, const std::string& input = "", int fileSizeLimit = 0,
                 const std::string& environment = "")
{
    const std::string in = writeFile("stdin", input);
    const std::string out = tempPath("stdout");
    const std::string err = tempPath("stderr");
    std::string cli = std::string(BRENNO_CLI) + " " + args;
    if (fileSizeLimit > 0)
        cli = "bash -c 'ulimit -f " + std::to_string(fileSizeLimit) + "; trap \"\" XFSZ; exec " + cli + "'";
    const std::string command = environment + " " + cli + " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    return CliResult{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

long lineCount(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n') + 1);
}

}  // namespace

TEST(Cli, BodeWithTheProgramsSetupWritesTheCsv)
{
    const CliResult r = runCli("bode --from-program " + writeFile("sample.txt", kSampleProgram));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "syntax: OK\n");
    EXPECT_EQ(firstLine(r.out), "freq[Hz], gain[dB], phase[deg] \r\n");
    EXPECT_EQ(lineCount(r.out), 81);
    EXPECT_EQ(r.out.substr(r.out.size() - 3), " \r\n");
}

TEST(Cli, FiltReadsStandardInputAndTakesTheSetupOptions)
{
    const CliResult r = runCli("filt --start 0.1 --end 4 --count 10 --filt 4,0,4,0.2 -", "F(s) = 1/s; PROBE F(s);");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "syntax: OK \r\n");
    EXPECT_EQ(firstLine(r.out), "time[sec], amplitude[linear] \r\n");
    EXPECT_EQ(lineCount(r.out), 11);
    EXPECT_NE(r.out.find("1.000000E-001, 9.996468E-001 \r\n"), std::string::npos) << r.out;
}

TEST(Cli, ExitStatusFollowsTheRunsEnding)
{
    struct Case {
        const char* args;
        const char* program;
        int status;
        const char* message;  // the start of standard error
        long csvLines;        // 0: nothing on standard output
    };
    const Case cases[] = {
        {"bode -", "H(s) = (1/s; PROBE H(s);", 1, " syntax error \r\n [LINE] ", 0},
        {"bode -", "H(s) = 1/s;", 1, "error: No PROBE-statement or Not found system-probing-IDENT\n", 0},
        {"filt -", "", 1, "error: No PROBE-statement or Not found system-probing-IDENT \r\n", 0},
        {"bode -", "", 1, "f(s) = ? \r\n", 0},
        {"bode --from-program -", "H(s) = 1; PROBE H(s);", 1, "Error : Not exist FREQ or OMEGA statement \r\n", 0},
        {"filt --from-program -", "H(s) = 1; PROBE H(s); TIME 1, 2, 3;", 1, "Error : Not exist TIME and FILT statement \r\n", 0},
        {"bode --start 0 --arith -", "H(s) = 1/s; PROBE H(s);", 2, "error: divided with Zero \r\n", 81},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli(c.args, c.program);
        EXPECT_EQ(r.status, c.status) << c.program;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.program << "\n" << r.err;
        EXPECT_EQ(lineCount(r.out), c.csvLines) << c.program;
    }
}

// Whatever strtod reads in full as a finite number, and nothing with blanks around it.
TEST(Cli, NumbersAreWhatStrtodReadsInFull)
{
    const std::string file = writeFile("numbers.txt", kSampleProgram);
    const char* accepted[] = {
        "bode --start 1e-308",      // subnormal
        "bode --start 4.9e-324",    // the smallest subnormal
        "bode --start 1e-999",      // underflows to zero
        "bode --start 0x1p-4",      // hexadecimal
        "bode --end +2E1",
        "filt --filt 4,0,4,0x1p-3",
    };
    for (const char* args : accepted) {
        const CliResult r = runCli(std::string(args) + " " + file);
        EXPECT_NE(r.status, 64) << args << "\n" << r.err;
    }
    const char* refused[] = {
        "bode --start inf",   "bode --start nan",  "bode --start 1e999",   "bode --start ''",
        "bode --start ' 1'",  "bode --start '1 '", "bode --count ' 5'",    "bode --count '5 '",
        "bode --count 5.0",   "filt --filt '4, 0,4,0.2'",
    };
    for (const char* args : refused) {
        const CliResult r = runCli(std::string(args) + " " + file);
        EXPECT_EQ(r.status, 64) << args;
        EXPECT_NE(r.err.find("invalid value"), std::string::npos) << args << "\n" << r.err;
    }
}

// "-" for --csv is standard output, never a file of that name.
TEST(Cli, CsvToStandardOutputByName)
{
    const CliResult byDefault = runCli("bode -", kSampleProgram);
    const CliResult named = runCli("bode --csv - -", kSampleProgram);
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.out, byDefault.out);
    EXPECT_NE(access("-", F_OK), 0);

    const CliResult clash = runCli("bode --csv - --points -", kSampleProgram);
    EXPECT_EQ(clash.status, 64);
    EXPECT_NE(clash.err.find("would both write to standard output"), std::string::npos) << clash.err;
}

TEST(Cli, VersionAnswersAlone)
{
    for (const char* args : {"--version", "bode --version"}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out, "brenno-cli " BRENNO_VERSION "\n") << args;
        EXPECT_EQ(r.err, "") << args;
    }
}

TEST(Cli, UsageErrors)
{
    const std::string file = writeFile("usage.txt", kSampleProgram);
    const std::string argumentLists[] = {
        "",
        "fft " + file,
        "bode",
        "bode " + file + " " + file,
        "bode --filt 1,2,3,4 " + file,
        "filt --hz " + file,
        "filt --filt 1,2,3 " + file,
        "bode --from-program --start 1 " + file,
        "bode --count many " + file,
        "bode --start nan " + file,
        "bode --units deg " + file,
        "bode --csv",
        "bode --loud " + file,
        "bode --jobs 0 " + file,
        "filt --jobs 257 " + file,
        "margins --csv out.csv " + file,
        "margins --points " + file,
        "margins --filt 1,2,3,4 " + file,
        "stepinfo --image x.png " + file,
        "bode --error " + file,
    };
    for (const std::string& args : argumentLists) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 64) << args;
        EXPECT_NE(r.err.find("usage: brenno-cli bode|filt [options] FILE"), std::string::npos) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
    EXPECT_EQ(runCli("--help").status, 0);
}

TEST(Cli, MarginsPrintEveryReadingEmptyWhereItDoesNotExist)
{
    const std::string loop = "K = 2; L(s) = K/(s*(s+1)*(s+2)); PROBE L(s);";
    const CliResult r = runCli("margins --quiet --geo --start 0.01 --end 100 -", loop);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "syntax: OK\n");
    const std::string lines[] = {"gain_crossover_rad_s, 0.749368275822", "phase_margin_deg, 32.61309704777",
                                 "phase_crossover_rad_s, 1.414213562373", "gain_margin_db, 9.542425094393",
                                 "bandwidth_rad_s, \n", "peak_gain_db, ", "peak_rad_s, 0.01\n"};
    size_t from = 0;
    for (const std::string& line : lines) {
        const size_t found = r.out.find(line, from);
        EXPECT_NE(found, std::string::npos) << line << "\n" << r.out;
        from = found == std::string::npos ? from : found;
    }
    EXPECT_EQ(lineCount(r.out), 7);

    const CliResult lag = runCli("margins -", "H(s) = 1/(s+1); PROBE H(s);");
    EXPECT_EQ(lag.status, 0);
    EXPECT_NE(lag.out.find("gain_crossover_rad_s, \nphase_margin_deg, \n"), std::string::npos) << lag.out;

    const CliResult history = runCli("margins -", "H(s) = G(s)/s; G(s) = 1/(s+1); PROBE H(s);");
    EXPECT_EQ(history.status, 1);
    EXPECT_NE(history.err.find("depends on s alone"), std::string::npos) << history.err;
    EXPECT_EQ(lineCount(history.out), 7);
}

TEST(Cli, StepinfoAndTheFiltErrorEstimate)
{
    const std::string step = "F(s) = 4/(s*(s*s + 2*s + 4)); PROBE F(s);";
    const CliResult r = runCli("stepinfo --start 0.05 --end 8 --count 80 -", step);
    EXPECT_EQ(r.status, 0);
    // The default FILT parameters: levels good to a few 1e-4, so the overshoot of 16.30 % reads 16.27 %.
    const std::string names[] = {"final_value, 1\n", "rise_time_s, 0.81", "overshoot_percent, 16.2",
                                 "peak_time_s, 1.81", "settling_time_s, 4.0"};
    for (const std::string& name : names)
        EXPECT_NE(r.out.find(name), std::string::npos) << name << "\n" << r.out;
    EXPECT_EQ(lineCount(r.out), 5);

    const CliResult withError = runCli("stepinfo --error -", step);
    EXPECT_EQ(lineCount(withError.out), 6);
    EXPECT_NE(withError.out.find("\nmax_error_estimate, "), std::string::npos) << withError.out;

    const CliResult csv = runCli("filt --error -", step);
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(firstLine(csv.out), "time[sec], amplitude[linear], error[linear] \r\n");
    EXPECT_EQ(lineCount(csv.out), 41);

    const CliResult history = runCli("filt --error -", "F(s) = G(s)/s; G(s) = 1/(s+1); PROBE F(s);");
    EXPECT_EQ(history.status, 1);
    EXPECT_TRUE(history.out.empty());
    EXPECT_NE(history.err.find("depends on s alone"), std::string::npos) << history.err;
}

TEST(Cli, ListingsAreTabSeparated)
{
    const CliResult r = runCli("bode --code --points -", "H(s) = 1/s; PROBE H(s);");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(firstLine(r.out), "NO.\tOP_CODE\tSUB_CODE\tIDENT_No.\t\n");
    EXPECT_NE(r.out.find("\n0\tPSH_NMBR\t1\t\t\n"), std::string::npos) << r.out;
    const size_t points = r.out.find("\n\nNo.\tomega[rad/sec]\tgain[linear]\tphase[rad]\t\n");
    ASSERT_NE(points, std::string::npos) << r.out;
    EXPECT_EQ(lineCount(r.out.substr(points + 2)), 81);
    EXPECT_NE(r.out.find("\n1\t0.1\t10\t-1.5708\t\n"), std::string::npos) << r.out;
}

TEST(Cli, DisplayFlagsAndCsvFile)
{
    const std::string csv = tempPath("out.csv");
    const CliResult r = runCli("bode --units hz --gain db --csv " + csv + " -", kSampleProgram);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.empty());
    const std::string written = readFile(csv);
    EXPECT_EQ(firstLine(written), "freq[Hz], gain[dB], phase[deg] \r\n");
    EXPECT_EQ(lineCount(written), 81);

    const CliResult failed = runCli("bode --csv " + tempPath("missing/out.csv") + " -", kSampleProgram);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("missing/out.csv: No such file or directory"), std::string::npos) << failed.err;
}

TEST(Cli, ProgramFiles)
{
    const CliResult missing = runCli("bode " + tempPath("absent.txt"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("absent.txt: No such file or directory"), std::string::npos) << missing.err;

    // Not UTF-8: read as code page 932, with a Japanese comment.
    const CliResult cp932 = runCli("bode " + writeFile("cp932.txt", "H(s) = 1/(s+1); /* \x88\xea\x8e\x9f */ PROBE H(s);"));
    EXPECT_EQ(cp932.status, 0) << cp932.err;
    EXPECT_EQ(lineCount(cp932.out), 81);

    // Refused at once: nothing is read from a device or waited for on a pipe.
    const std::string pipe = tempPath("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> refused[] = {
        {"/dev/zero", "/dev/zero: a device, not a program file"},
        {pipe, pipe + ": a pipe, not a program file"},
        {::testing::TempDir(), ": Is a directory"},
    };
    for (const auto& [path, message] : refused) {
        const CliResult r = runCli("bode " + path);
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    std::remove(pipe.c_str());
    EXPECT_NE(runCli("bode -", std::string(5 << 20, ' ')).err.find("standard input: larger than 4194304 bytes"),
              std::string::npos);
}

TEST(Cli, FullDiskKeepsTheOldCsv)
{
    std::string folder = tempPath("full_XXXXXX");
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string csv = folder + "/kept.csv";
    std::ofstream(csv, std::ios::binary) << "rows of the last export\r\n";
    const CliResult r = runCli("bode --csv " + csv + " -", kSampleProgram, 1);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Couldn't write " + csv + ": File too large"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(csv), "rows of the last export\r\n");
    std::remove(csv.c_str());
    EXPECT_EQ(rmdir(folder.c_str()), 0) << "a temporary file was left behind";
}

TEST(Cli, TextOutputLoadsNoQtLibrary)
{
    const std::string commands[] = {"bode -", "filt --code --points -", "bode --csv " + tempPath("qt.csv") + " -"};
    for (const std::string& command : commands) {
        const CliResult r = runCli(command, kSampleProgram, 0, "LD_DEBUG=libs");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("libstdc++"), std::string::npos) << "the loader reports the libraries it loads";
        EXPECT_EQ(r.err.find("libQt"), std::string::npos) << command;
    }
}

TEST(Cli, AnyNumberOfJobsWritesTheSameBytes)
{
    const std::string file = writeFile("jobs.txt", kSampleProgram);
    const CliResult one = runCli("filt --count 300 --filt 4,0,200,0.2 --jobs 1 " + file);
    ASSERT_EQ(one.status, 0) << one.err;
    for (const char* jobs : {"2", "7"}) {
        const CliResult r = runCli(std::string("filt --count 300 --filt 4,0,200,0.2 --jobs ") + jobs + " " + file);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, one.out) << jobs << " jobs";
    }
}
