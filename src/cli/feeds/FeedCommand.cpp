#include "feeds/FeedCommand.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Commands.h"
#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "common/LoadVerdict.h"
#include "feeds/FeedChannel.h"
#include "feeds/FeedReader.h"
#include "os/UniqueFd.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

std::string NameOf(const std::string& feed)
{
    return feed == "-" ? std::string("(standard input)") : feed;
}

std::string Where(const std::string& feed, int line)
{
    return line > 0 ? NameOf(feed) + ":" + std::to_string(line) : NameOf(feed);
}

// Reads the feed whole, reporting on standard error; false when it could
// not be read (status 3).
bool ReadFeed(const std::string& path, std::size_t limit, Feed& feed)
{
    FeedReading reading;
    if (path == "-") {
        reading = ReadFeedFromFd(STDIN_FILENO, limit);
    } else {
        // Without waiting: a FIFO or a device is refused, never read.
        const UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0) {
            Complain(path + ": error: cannot open (" + std::strerror(errno) + "); nothing written");
            return false;
        }
        if (!S_ISREG(info.st_mode)) {
            Complain(path + ": error: not a regular file; nothing written");
            return false;
        }
        fcntl(fd.Get(), F_SETFL, fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
        reading = ReadFeedFromFd(fd.Get(), limit);
    }
    if (reading.failed) {
        Complain(Where(path, reading.error.line) + ": error: " + reading.error.text + "; nothing written");
        return false;
    }
    for (const FeedProblem& warning : reading.warnings)
        Complain(Where(path, warning.line) + ": warning: " + warning.text);
    feed = std::move(reading.feed);
    return true;
}

}  // namespace

ExitStatus RunNewFromFeed(const std::string& out, const std::string& feedPath, const std::string& url,
                          std::size_t limit)
{
    Feed feed;
    if (!ReadFeed(feedPath, limit, feed))
        return kExitCannotOpen;
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    FillChannelFromFeed(channel, feed, url);
    return SaveChannel(channel, out);
}

ExitStatus RunRefresh(const std::string& path, const std::string& feedPath, std::size_t limit)
{
    Feed feed;
    if (!ReadFeed(feedPath, limit, feed))
        return kExitCannotOpen;
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    const ReadStatus status = ReadCdfFile(channel, path, *trace);
    if (status == ReadStatus::CannotOpen || status == ReadStatus::Cancelled) {
        Complain(path + ": cannot open; nothing written");
        return kExitCannotOpen;
    }
    if (status != ReadStatus::Ok) {
        // Saving would write the channel as the reader left it; the author
        // should see to it first.
        Complain(path + ": " + std::string(CheckVerdict(status)) + "; left as it is");
        return kExitLoadError;
    }
    ReplaceTopLevelPages(channel, feed);
    return SaveChannel(channel, path);
}

}  // namespace fw::cli
