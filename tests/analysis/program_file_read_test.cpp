// Program files: plain files up to 4 MiB are read; folders, pipes, devices and
// larger files are refused at once, without reading or waiting.
#include "analysis/program_file_read.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "tests/support/temporary_folder.h"

namespace {

class ProgramFileReadTest : public TemporaryFolderTest {
protected:
    // A file of that size without writing its bytes.
    std::string fileOfSize(const std::string& name, off_t size) const
    {
        const std::string file = path(name);
        std::ofstream{file};
        EXPECT_EQ(truncate(file.c_str(), size), 0);
        return file;
    }
};

}  // namespace

TEST_F(ProgramFileReadTest, PlainFilesUpToTheLimitAreRead)
{
    std::ofstream(path("program.txt"), std::ios::binary) << "PROBE 1;\r\n";
    std::string bytes;
    ProgramReadFailure failure;
    ASSERT_TRUE(readProgramFile(path("program.txt"), bytes, failure)) << failure.reason;
    EXPECT_EQ(bytes, "PROBE 1;\r\n");
    ASSERT_TRUE(readProgramFile(fileOfSize("limit.txt", kProgramFileLimit), bytes, failure)) << failure.reason;
    EXPECT_EQ(bytes.size(), kProgramFileLimit);
}

TEST_F(ProgramFileReadTest, EverythingElseIsRefusedBeforeReading)
{
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(path("folder").c_str(), 0700), 0);
    struct Case {
        const char* name;
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", path("missing.txt"), "No such file or directory"},
        {"folder", path("folder"), "Is a directory"},
        {"pipe without a writer", path("pipe"), "a pipe, not a program file"},
        {"endless device", "/dev/zero", "a device, not a program file"},
        {"one byte over the limit", fileOfSize("large.txt", kProgramFileLimit + 1),
         "larger than 4194304 bytes, not a program text"},
    };
    for (const Case& c : cases) {
        std::string bytes = "untouched";
        ProgramReadFailure failure;
        EXPECT_FALSE(readProgramFile(c.path, bytes, failure)) << c.name;
        EXPECT_EQ(failure.step, ProgramReadStep::Open) << c.name;
        EXPECT_EQ(failure.reason, c.reason) << c.name;
        EXPECT_EQ(bytes, "untouched") << c.name;
    }
}

TEST_F(ProgramFileReadTest, StreamsStopAtTheLimit)
{
    const int fd = open("/dev/zero", O_RDONLY);
    std::string bytes;
    ProgramReadFailure failure;
    EXPECT_FALSE(readProgramStream(fd, bytes, failure));
    close(fd);
    EXPECT_EQ(failure.reason, "larger than 4194304 bytes, not a program text");
}
