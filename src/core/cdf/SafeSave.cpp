// Saving replaces the target only once the new bytes are all on disk:
// the content (a channel, an export) goes into a temporary file beside the target (".<name>.XXXXXX"),
// which is flushed, closed and then renamed over the target in one step. On
// any failure the temporary file is removed and the target is left alone.
//
// A save replaces the file: a hard link to the old file keeps the old
// contents.
//
// A target that is a symbolic link is not replaced: the link is followed and
// the file it points to is replaced, so the link survives. Links, the last
// one and any folder link on the way, are followed only as the kernel's
// protected-symlinks rule would follow them: a link in a sticky,
// world-writable folder (/tmp) that belongs neither to the user
// saving nor to the folder's owner may have been planted by someone else to
// have the user's file replaced, and is refused. An existing target keeps its
// permission bits and, where allowed, its owner and group (or its group
// alone); a new one gets 0666 less the umask, as an ordinary created file
// would. An existing target that cannot be written, or that is not a regular
// file (a folder, a device), is refused.
//
// The size of the file is known before anything is created (and the content
// may not write more, nor less): a file that
// would not fit in the free space of the target's file system (or under the
// process's file-size limit) is refused, so a huge site map cannot fill the
// disk for every other program. While the temporary file exists, a signal
// that ends the program removes it first (SaveSignals.h).

#include "cdf/SafeSave.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <new>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include "cdf/CdfProgress.h"
#include "cdf/SaveSignals.h"
#include "channel/Channel.h"
#include "os/UniqueFd.h"

namespace fw {

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// The kernel's rule for fs.protected_symlinks = 1: in a sticky,
// world-writable folder a link is followed only by its owner, or when the
// folder's owner owns it too.
bool MayFollowLink(const struct stat& link, const std::string& linkPath)
{
    struct stat folder {};
    if (stat(FolderOf(linkPath).c_str(), &folder) != 0)
        return false;
    if ((folder.st_mode & S_ISVTX) == 0 || (folder.st_mode & S_IWOTH) == 0)
        return true;
    return link.st_uid == geteuid() || link.st_uid == folder.st_uid;
}

// Splits a path into its components, the last first (so that back() is
// the next one to take); empty ones and "." are left out.
void PushComponents(std::string_view path, std::vector<std::string>& rest)
{
    std::vector<std::string> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    rest.insert(rest.end(), parts.rbegin(), parts.rend());
}

std::string Joined(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Follows every symbolic link in `path`, in any component, to the path of
// the file it finally names without any link in it; the file need not exist
// yet (a dangling link names the file to create). Each link is judged by the
// protected-links rule where it stands, so a folder link planted in /tmp is
// refused as a file link would be. False for a loop, an unreadable link or
// one that may not be followed.
bool ResolveLinks(const std::string& path, std::string& target)
{
    constexpr int kMaxLinks = 40;
    int links = 0;
    std::string done = path.front() == '/' ? "/" : "";  // resolved so far: no links in it
    std::vector<std::string> rest;
    PushComponents(path, rest);
    while (!rest.empty()) {
        const std::string part = std::move(rest.back());
        rest.pop_back();
        if (part == "..") {
            // `done` holds no links, so going up by its text is going up on
            // disk; it must be a folder, as the kernel would want.
            struct stat folder {};
            if (!done.empty() && (stat(done.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)))
                return false;
            const std::size_t slash = done.rfind('/');
            const std::string last = slash == std::string::npos ? done : done.substr(slash + 1);
            if (done.empty() || last == "..")
                done = Joined(done, "..");
            else if (done != "/")
                done = slash == std::string::npos ? std::string() : done.substr(0, slash == 0 ? 1 : slash);
            continue;
        }
        const std::string next = Joined(done, part);
        struct stat info {};
        if (lstat(next.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            done = next;  // not a link (or not there)
            continue;
        }
        if (++links > kMaxLinks || !MayFollowLink(info, next))
            return false;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(next.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size())
            return false;
        link.resize(static_cast<std::size_t>(length));
        if (link.front() == '/')
            done.assign(1, '/');  // (not = "/": g++ 12 at -O3 warns falsely of overlap)
        PushComponents(link, rest);
    }
    target = done.empty() ? "." : done;
    return true;
}

// The umask, read without changing it where the system allows (changing it
// even for a moment would affect files other threads create meanwhile).
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) != 0)
            continue;
        const std::size_t digits = line.find_first_not_of(" \t", 6);
        unsigned mask = 0;
        if (digits != std::string::npos &&
            std::from_chars(line.data() + digits, line.data() + line.size(), mask, 8).ec == std::errc())
            return static_cast<mode_t>(mask);
        break;
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
        if (!m_kept)
            unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd.Get(); }
    const std::string& Path() const { return m_path; }
    bool Close() { return m_fd.Close(); }
    void Keep() { m_kept = true; }

private:
    UniqueFd m_fd;
    std::string m_path;
    bool m_kept = false;
};

// Makes the rename itself durable. Not every file system can sync a folder,
// and by now the target has been replaced, so a failure here changes nothing.
void SyncFolder(const std::string& folder)
{
    const UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        (void)fsync(fd.Get());
}

// Whether `size` bytes fit under the process's file-size limit and in the
// free space of `folder`'s file system, counted in whole blocks. A file
// system that tells nothing of its size is trusted.
bool Fits(const std::string& folder, std::uint64_t size)
{
    struct rlimit limit {};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size > limit.rlim_cur)
        return false;
    struct statvfs space {};
    if (statvfs(folder.c_str(), &space) != 0 || space.f_blocks == 0)
        return true;
    const std::uint64_t block = space.f_frsize != 0 ? space.f_frsize : space.f_bsize;
    if (block == 0)
        return true;
    return size / block + (size % block != 0 ? 1 : 0) <= space.f_bavail;
}

// Passes the bytes on and tells the progress how far the file has come.
class ProgressSink final : public ByteSink {
public:
    ProgressSink(ByteSink& next, CdfProgress& progress, std::uint64_t total)
        : m_next(next), m_progress(progress), m_total(total)
    {
    }
    bool Write(std::string_view bytes) override
    {
        if (!m_next.Write(bytes))
            return false;
        m_done += bytes.size();
        m_cancelled = !m_progress.Advance(m_done, m_total);
        return !m_cancelled;
    }
    bool Cancelled() const { return m_cancelled; }

private:
    ByteSink& m_next;
    CdfProgress& m_progress;
    std::uint64_t m_total;
    std::uint64_t m_done = 0;
    bool m_cancelled = false;
};

// Passes the bytes on while there is room for them: the content must not
// hand over more than it said it would, which was checked against the space.
class CountingSink final : public ByteSink {
public:
    CountingSink(ByteSink& next, std::uint64_t size) : m_next(next), m_left(size) {}
    bool Write(std::string_view bytes) override
    {
        if (bytes.size() > m_left)
            return false;
        m_left -= bytes.size();
        return m_next.Write(bytes);
    }
    bool Complete() const { return m_left == 0; }

private:
    ByteSink& m_next;
    std::uint64_t m_left;
};

// A channel as the writer writes it.
class ChannelContent final : public FileContent {
public:
    explicit ChannelContent(Channel& channel) : m_channel(channel) {}
    std::uint64_t Size() override
    {
        NormalizeForWrite(m_channel);
        return CdfFileSize(m_channel);
    }
    bool Write(ByteSink& sink) override { return WriteNormalizedCdf(m_channel, sink); }

private:
    Channel& m_channel;
};

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

namespace {

SaveStatus Save(const std::string& path, FileContent& content, const FdSinkFactory& makeSink, CdfProgress* progress)
{
    std::string target;
    if (path.empty() || !ResolveLinks(path, target))
        return SaveStatus::CannotCreate;

    struct stat old {};
    const bool existed = stat(target.c_str(), &old) == 0;
    if (existed && (!S_ISREG(old.st_mode) || access(target.c_str(), W_OK) != 0))
        return SaveStatus::CannotCreate;

    const std::string folder = FolderOf(target);
    const std::uint64_t size = content.Size();
    if (!Fits(folder, size))
        return SaveStatus::NoSpace;

    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "/." + name + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return SaveStatus::CannotCreate;
    TemporaryFile temporary(fd, pattern);
    SaveSignalGuard signals(temporary.Path());

    if (existed && (old.st_uid != geteuid() || old.st_gid != getegid())) {
        // Keeping the owner needs privileges we may not have, and a change
        // of owner and group fails as a whole; a member of the file's group
        // may still keep the group. The bytes matter more than either.
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    // After the change of owner, which may clear the set-id bits.
    const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (fchmod(fd, mode) != 0)
        return SaveStatus::WriteFailed;

    {
        const std::unique_ptr<ByteSink> sink = makeSink(fd);
        if (!sink)
            return SaveStatus::WriteFailed;
        CountingSink counted(*sink, size);
        if (progress != nullptr) {
            ProgressSink reporting(counted, *progress, size);
            if (!content.Write(reporting))
                return reporting.Cancelled() ? SaveStatus::Cancelled : SaveStatus::WriteFailed;
        } else if (!content.Write(counted)) {
            return SaveStatus::WriteFailed;
        }
        if (!counted.Complete())
            return SaveStatus::WriteFailed;
    }
    if (fsync(fd) != 0 || !temporary.Close())
        return SaveStatus::WriteFailed;
    if (rename(temporary.Path().c_str(), target.c_str()) != 0)
        return SaveStatus::WriteFailed;
    temporary.Keep();
    signals.Disarm();
    SyncFolder(folder);
    return SaveStatus::Ok;
}

}  // namespace

SaveStatus SaveFileThrough(const std::string& path, FileContent& content, const FdSinkFactory& makeSink,
                           CdfProgress* progress)
{
    try {
        return Save(path, content, makeSink, progress);
    } catch (const std::bad_alloc&) {
        // Out of memory part way: the temporary file went with the unwinding,
        // the old file is as it was.
        return SaveStatus::WriteFailed;
    }
}

SaveStatus SaveFile(const std::string& path, FileContent& content, CdfProgress* progress)
{
    return SaveFileThrough(
        path, content, [](int fd) { return std::make_unique<FdSink>(fd); }, progress);
}

SaveStatus SaveCdfFileThrough(Channel& channel, const std::string& path, const FdSinkFactory& makeSink,
                              CdfProgress* progress)
{
    ChannelContent content(channel);
    return SaveFileThrough(path, content, makeSink, progress);
}

SaveStatus SaveCdfFile(Channel& channel, const std::string& path, CdfProgress* progress)
{
    ChannelContent content(channel);
    return SaveFile(path, content, progress);
}

}  // namespace fw
