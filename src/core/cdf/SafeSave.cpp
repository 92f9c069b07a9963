// Saving replaces the target only once the new bytes are all on disk:
// the channel goes into a temporary file beside the target (".<name>.XXXXXX"),
// which is flushed, closed and then renamed over the target in one step. On
// any failure the temporary file is removed and the target is left alone.
//
// A target that is a symbolic link is not replaced: the link is followed and
// the file it points to is replaced, so the link survives. An existing target
// keeps its permission bits (and, where allowed, its owner); a new one gets
// 0666 less the umask, as an ordinary created file would. An existing target
// that cannot be written, or that is not a regular file (a folder, a device),
// is refused.

#include "cdf/SafeSave.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "channel/Channel.h"

namespace fw {

namespace {

// Follows a chain of symbolic links from `path` to the file it finally names,
// which need not exist yet (a dangling link names the file to create).
// False for a loop or an unreadable link.
bool FollowLinks(const std::string& path, std::string& target)
{
    constexpr int kMaxLinks = 40;
    target = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;  // not a link (or not there): this is the file
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(target.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size())
            return false;
        link.resize(static_cast<std::size_t>(length));
        if (!link.empty() && link.front() == '/') {
            target = link;
        } else {
            const std::size_t slash = target.rfind('/');
            target = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + link;
        }
    }
    return false;
}

// The umask, read without changing it where the system allows (changing it
// even for a moment would affect files other threads create meanwhile).
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

// Owns the temporary file until it has been renamed into place: closes the
// descriptor and removes the file on every other way out.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_kept)
            unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd; }
    const std::string& Path() const { return m_path; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }
    void Keep() { m_kept = true; }

private:
    int m_fd;
    std::string m_path;
    bool m_kept = false;
};

// Makes the rename itself durable. Not every file system can sync a folder,
// and by now the target has been replaced, so a failure here changes nothing.
void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)fsync(fd);
    close(fd);
}

}  // namespace

bool FdSink::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

SaveStatus SaveCdfFileThrough(Channel& channel, const std::string& path, const FdSinkFactory& makeSink)
{
    std::string target;
    if (path.empty() || !FollowLinks(path, target))
        return SaveStatus::CannotCreate;

    struct stat old {};
    const bool existed = stat(target.c_str(), &old) == 0;
    if (existed && (!S_ISREG(old.st_mode) || access(target.c_str(), W_OK) != 0))
        return SaveStatus::CannotCreate;

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "/." + name + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return SaveStatus::CannotCreate;
    TemporaryFile temporary(fd, pattern);

    const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (fchmod(fd, mode) != 0)
        return SaveStatus::WriteFailed;
    if (existed && (old.st_uid != geteuid() || old.st_gid != getegid())) {
        // Keeping the owner needs privileges we may not have; the bytes matter more.
        [[maybe_unused]] const int ignored = fchown(fd, old.st_uid, old.st_gid);
    }

    {
        const std::unique_ptr<ByteSink> sink = makeSink(fd);
        if (!sink || !WriteCdf(channel, *sink))
            return SaveStatus::WriteFailed;
    }
    if (fsync(fd) != 0 || !temporary.Close())
        return SaveStatus::WriteFailed;
    if (rename(temporary.Path().c_str(), target.c_str()) != 0)
        return SaveStatus::WriteFailed;
    temporary.Keep();
    SyncFolder(folder);
    return SaveStatus::Ok;
}

SaveStatus SaveCdfFile(Channel& channel, const std::string& path)
{
    return SaveCdfFileThrough(channel, path, [](int fd) { return std::make_unique<FdSink>(fd); });
}

}  // namespace fw
