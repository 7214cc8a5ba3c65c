// The one write path: a complete new file or the old one untouched, never a cut one.
#include "analysis/atomic_file_write.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/file_size_limit.h"
#include "tests/support/temporary_folder.h"

namespace {

const std::string kOld = "old contents\r\n";
const std::string kNew(4096, 'n');

class AtomicFileWriteTest : public TemporaryFolderTest {
protected:
    static std::string read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    static void put(const std::string& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        DIR* dir = opendir(folder_.c_str());
        while (const dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                found.push_back(entry->d_name);
        closedir(dir);
        std::sort(found.begin(), found.end());
        return found;
    }

    static mode_t modeOf(const std::string& file)
    {
        struct stat st {};
        stat(file.c_str(), &st);
        return st.st_mode & 07777;
    }
};

}  // namespace

TEST_F(AtomicFileWriteTest, NewFileGetsTheUsualPermissions)
{
    const mode_t mask = umask(022);
    FileWriteFailure failure;
    ASSERT_TRUE(writeFileAtomically(path("new.csv"), kNew, failure)) << failure.reason;
    umask(mask);
    EXPECT_EQ(read(path("new.csv")), kNew);
    EXPECT_EQ(modeOf(path("new.csv")), 0644u);
    EXPECT_EQ(names(), std::vector<std::string>{"new.csv"});
}

TEST_F(AtomicFileWriteTest, ReplacedFileKeepsItsPermissions)
{
    put(path("kept.txt"), kOld);
    chmod(path("kept.txt").c_str(), 0640);
    FileWriteFailure failure;
    ASSERT_TRUE(writeFileAtomically(path("kept.txt"), kNew, failure)) << failure.reason;
    EXPECT_EQ(read(path("kept.txt")), kNew);
    EXPECT_EQ(modeOf(path("kept.txt")), 0640u);
}

TEST_F(AtomicFileWriteTest, SymbolicLinksStayLinks)
{
    mkdir(path("real").c_str(), 0755);
    put(path("real/file.txt"), kOld);
    ASSERT_EQ(symlink("real/file.txt", path("link.txt").c_str()), 0);
    ASSERT_EQ(symlink("real/later.txt", path("dangling.txt").c_str()), 0);
    FileWriteFailure failure;
    ASSERT_TRUE(writeFileAtomically(path("link.txt"), kNew, failure)) << failure.reason;
    ASSERT_TRUE(writeFileAtomically(path("dangling.txt"), kOld, failure)) << failure.reason;

    struct stat link {};
    ASSERT_EQ(lstat(path("link.txt").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(read(path("real/file.txt")), kNew);
    EXPECT_EQ(read(path("real/later.txt")), kOld);
    EXPECT_EQ(names(), (std::vector<std::string>{"dangling.txt", "link.txt", "real"}));
}

TEST_F(AtomicFileWriteTest, DevicesAreWrittenStraight)
{
    FileWriteFailure failure;
    EXPECT_TRUE(writeFileAtomically("/dev/null", kNew, failure)) << failure.reason;
    EXPECT_FALSE(writeFileAtomically("/dev/full", kNew, failure));
    EXPECT_EQ(failure.step, FileWriteStep::Write);
    EXPECT_EQ(failure.reason, "No space left on device");
}

// As in brenno-cli --csv /dev/stdout >> log: the log keeps its lines.
TEST_F(AtomicFileWriteTest, OpenStreamsAreAddedTo)
{
    put(path("log.txt"), kOld);
    const int fd = open(path("log.txt").c_str(), O_WRONLY | O_APPEND);
    FileWriteFailure failure;
    EXPECT_TRUE(writeFileAtomically("/dev/fd/" + std::to_string(fd), kNew, failure)) << failure.reason;
    close(fd);
    EXPECT_EQ(read(path("log.txt")), kOld + kNew);
}

TEST_F(AtomicFileWriteTest, FailuresLeaveTheOldFileAndNoTemporaryFile)
{
    mkdir(path("folder").c_str(), 0755);
    put(path("old.txt"), kOld);
    struct Case {
        const char* name;
        std::string target;
        FileWriteStep step;
        const char* reason;
    };
    const Case cases[] = {
        {"missing folder", path("no/such.txt"), FileWriteStep::Create, "No such file or directory"},
        {"folder in the way", path("folder"), FileWriteStep::Create, "Is a directory"},
        {"full disk", path("old.txt"), FileWriteStep::Write, "File too large"},
    };
    for (const Case& c : cases) {
        FileWriteFailure failure;
        {
            FileSizeLimit fullDisk(100);
            EXPECT_FALSE(writeFileAtomically(c.target, kNew, failure)) << c.name;
        }
        EXPECT_EQ(failure.step, c.step) << c.name;
        EXPECT_EQ(failure.reason, c.reason) << c.name;
        EXPECT_EQ(read(path("old.txt")), kOld) << c.name;
        EXPECT_EQ(names(), (std::vector<std::string>{"folder", "old.txt"})) << c.name;
    }
}

TEST_F(AtomicFileWriteTest, ReadOnlyFolderRefusesTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    put(path("old.txt"), kOld);
    chmod(folder_.c_str(), 0555);
    FileWriteFailure failure;
    EXPECT_FALSE(writeFileAtomically(path("old.txt"), kNew, failure));
    chmod(folder_.c_str(), 0755);
    EXPECT_EQ(failure.step, FileWriteStep::Create);
    EXPECT_EQ(failure.reason, "Permission denied");
    EXPECT_EQ(read(path("old.txt")), kOld);
}
