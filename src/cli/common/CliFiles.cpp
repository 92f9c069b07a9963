#include "common/CliFiles.h"

#include "os/UniqueFd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::cli {

namespace {

// Reads until end of file or `limit` bytes; false on a read error.
bool ReadFd(int fd, std::size_t limit, std::string& bytes, bool& truncated)
{
    truncated = false;
    char block[64 * 1024];
    for (;;) {
        const std::size_t room = limit - bytes.size();
        const ssize_t got = read(fd, block, room < sizeof block ? room + 1 : sizeof block);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        const auto count = static_cast<std::size_t>(got);
        if (count > room) {
            bytes.append(block, room);
            truncated = true;
            return true;
        }
        bytes.append(block, count);
    }
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void Complain(std::string_view text)
{
    std::fprintf(stderr, "feedwright-cdf: %.*s\n", static_cast<int>(text.size()), text.data());
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason)
{
    bytes.clear();
    // As Load does: never wait for a FIFO's writer, never read a device
    // that does not end; only a regular file has bytes to give.
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
        return false;
    }
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    bool truncated = false;
    if (!ReadFd(fd.Get(), bytes.max_size() - 1, bytes, truncated)) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

bool ReadFileHead(const std::string& path, std::size_t limit, bool noFollow, std::string& bytes, bool& truncated,
                  std::string& reason)
{
    bytes.clear();
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (noFollow ? O_NOFOLLOW : 0)));
    struct stat info {};
    if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "not a regular file";
        return false;
    }
    if (!ReadFd(fd.Get(), limit, bytes, truncated)) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

ExitStatus WriteResult(const std::string& out, std::string_view bytes)
{
    if (out.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return FinishStandardOutput() ? kExitOk : kExitCannotWrite;
    }
    const auto refuse = [&out](const std::string& why) {
        Complain("cannot write " + out + ": " + why + "; an existing " + out + " is left as it was");
        return kExitCannotWrite;
    };
    struct stat old {};
    const bool existed = stat(out.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return refuse("not a regular file");
    const std::size_t slash = out.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : out.substr(0, slash));
    const std::string name = slash == std::string::npos ? out : out.substr(slash + 1);
    std::string temporary = folder + "/." + name + ".XXXXXX";
    UniqueFd fd(mkstemp(temporary.data()));
    if (fd.Get() < 0)
        return refuse(std::strerror(errno));
    const mode_t mask = umask(022);
    umask(mask);
    const bool written = fchmod(fd.Get(), existed ? (old.st_mode & 07777) : (0666 & ~mask)) == 0 &&
        WriteAll(fd.Get(), bytes) && fsync(fd.Get()) == 0 && close(fd.Release()) == 0 &&
        rename(temporary.c_str(), out.c_str()) == 0;
    if (!written) {
        const std::string why = std::strerror(errno);
        unlink(temporary.c_str());
        return refuse(why);
    }
    return kExitOk;
}

bool FinishStandardOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    Complain("cannot write standard output");
    return false;
}

}  // namespace fw::cli
