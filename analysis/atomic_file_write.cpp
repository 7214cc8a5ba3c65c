#include "analysis/atomic_file_write.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkDepth = 40;
constexpr const char* kTemporaryName = "/.brenno-save-XXXXXX";

struct Failed {
    FileWriteStep step;
    int errnum;
};

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes, int& errnum)
{
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            errnum = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// A link whose file does not exist yet: the file is made where the link points.
bool followDanglingLinks(std::string& target, int& errnum)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat link;
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return true;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), buffer, sizeof buffer - 1);
        if (length < 0) {
            errnum = errno;
            return false;
        }
        const std::string pointee(buffer, static_cast<size_t>(length));
        target = pointee.front() == '/' ? pointee : folderOf(target) + "/" + pointee;
    }
    errnum = ELOOP;
    return false;
}

// The file that takes the bytes, with all links followed, and its mode.
bool findTarget(const std::string& path, std::string& target, struct stat& existing, bool& exists, int& errnum)
{
    target = path;
    exists = ::stat(path.c_str(), &existing) == 0;
    if (!exists) {
        errnum = errno;
        return errnum == ENOENT && followDanglingLinks(target, errnum);
    }
    if (S_ISDIR(existing.st_mode)) {
        errnum = EISDIR;
        return false;
    }
    if (!S_ISREG(existing.st_mode))
        return true;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        errnum = errno;
        return false;
    }
    target = resolved;
    return true;
}

// The permissions a new file gets from open(): 0666 less the umask, which
// can only be read by setting it.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The old file's owner and group, or its group alone, as far as the system
// lets this user give them away.
bool takeOwnerAndGroup(int fd, const struct stat& existing)
{
    return ::fchown(fd, existing.st_uid, existing.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0;
}

// The temporary file takes over the old file's permissions and, where the
// system lets an ordinary user, its group. Keeping the owner is a courtesy:
// the save does not fail for it.
bool copyPermissions(int fd, const struct stat* existing, int& errnum)
{
    if (existing)
        static_cast<void>(takeOwnerAndGroup(fd, *existing));
    const mode_t mode = existing ? existing->st_mode & 07777 : newFileMode();
    if (::fchmod(fd, mode) == 0)
        return true;
    errnum = errno;
    return false;
}

bool writeAndClose(int fd, const std::string& bytes, bool sync, int& errnum)
{
    const bool written = writeAll(fd, bytes, errnum);
    if (written && sync && ::fsync(fd) != 0) {
        errnum = errno;
        ::close(fd);
        return false;
    }
    if (::close(fd) != 0 && written) {
        errnum = errno;
        return false;
    }
    return written;
}

// Names of a stream the caller already holds open (brenno-cli --csv
// /dev/stdout >> log): whatever file is behind them is the caller's, to be
// added to, never replaced.
bool namesOpenStream(const std::string& path)
{
    for (const char* prefix : {"/dev/stdout", "/dev/stderr", "/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"})
        if (path.rfind(prefix, 0) == 0)
            return true;
    return false;
}

// Devices, pipes and open streams: nothing to replace, nothing to sync.
bool writeStraight(const std::string& path, const std::string& bytes, Failed& failed)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failed = {FileWriteStep::Create, errno};
        return false;
    }
    failed.step = FileWriteStep::Write;
    return writeAndClose(fd, bytes, false, failed.errnum);
}

// Once the rename is done the new file is in place; a folder that cannot be
// synced (some file systems refuse) does not make the save a failure.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

bool replaceTarget(const std::string& target, const struct stat* existing, const std::string& bytes,
                   Failed& failed)
{
    const std::string folder = folderOf(target);
    std::string temporary = folder + kTemporaryName;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        failed = {FileWriteStep::Create, errno};
        return false;
    }
    failed.step = FileWriteStep::Write;
    bool placed = false;
    if (!copyPermissions(fd, existing, failed.errnum))
        ::close(fd);
    else if (writeAndClose(fd, bytes, true, failed.errnum)) {
        placed = ::rename(temporary.c_str(), target.c_str()) == 0;
        failed.errnum = errno;
    }
    if (!placed) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, FileWriteFailure& failure)
{
    std::string target;
    struct stat existing;
    bool exists = false;
    Failed failed{FileWriteStep::Create, 0};
    bool done = false;
    if (namesOpenStream(path))
        done = writeStraight(path, bytes, failed);
    else if (findTarget(path, target, existing, exists, failed.errnum))
        done = exists && !S_ISREG(existing.st_mode) ? writeStraight(target, bytes, failed)
                                                     : replaceTarget(target, exists ? &existing : nullptr, bytes, failed);
    if (!done)
        failure = FileWriteFailure{failed.step, std::strerror(failed.errnum)};
    return done;
}
