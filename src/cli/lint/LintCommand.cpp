#include "lint/LintCommand.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>
#include <stdexcept>

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "lint/ChannelLint.h"
#include "text/FileEncoding.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

// Logos are small; a bigger file is read only as far as its header needs.
constexpr std::size_t kPictureHeadLimit = 1 << 20;

bool HasLoneCr(std::string_view text)
{
    for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != '\n')
            return true;
    }
    return false;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

ExitStatus LintFile(const std::string& file, const std::string& site)
{
    using lint::LoadEventRecorder;
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(file, bytes, reason)) {
        Complain(file + ": cannot open (" + reason + ")");
        return kExitCannotOpen;
    }
    NullTraceSink trace;
    Channel channel(&trace);
    lint::LintInput input;
    LoadEventRecorder recorder;
    input.loadStatus = ReadCdfBytes(channel, bytes, trace, nullptr, &recorder);
    input.loadEvents = std::move(recorder.events);
    const FileText text = DecodeFileText(bytes);
    input.text = text.bytes;
    // A file with the CR-only line ends of old Macs: its lines are counted,
    // and its tags read, as those of the same file with LF; a byte for a
    // byte, so every offset stays.
    std::string lineEnds;
    if (HasLoneCr(text.bytes)) {
        lineEnds.assign(text.bytes);
        for (std::size_t at = 0; at < lineEnds.size(); ++at) {
            if (lineEnds[at] == '\r' && (at + 1 == lineEnds.size() || lineEnds[at + 1] != '\n'))
                lineEnds[at] = '\n';
        }
        input.text = lineEnds;
    }
    const std::string folder = FolderOf(file);
    input.readBeside = [&folder](const std::string& relativePath) -> std::optional<std::string> {
        std::string picture;
        bool truncated = false;
        std::string ignored;
        if (!ReadFileHead(folder + relativePath, kPictureHeadLimit, false, picture, truncated, ignored))
            return std::nullopt;
        return picture;
    };

    if (!site.empty()) {
        input.siteHas = [&site](const std::string& relativePath) {
            struct stat info {};
            return stat((site + "/" + relativePath).c_str(), &info) == 0;
        };
    }

    ExitStatus result = kExitOk;
    for (const lint::Diagnostic& found : lint::LintChannel(input)) {
        const std::string_view severity = lint::SeverityName(found.severity);
        std::printf("%s:%d: %.*s: %s\n", Printable(file).c_str(), found.line, static_cast<int>(severity.size()),
                    severity.data(), Printable(found.text).c_str());
        if (found.severity == lint::Severity::Warning)
            result = MoreSevere(result, kExitLintWarned);
    }
    if (input.loadStatus != ReadStatus::Ok)
        result = MoreSevere(result, kExitLoadError);
    return result;
}

// A file too large for memory (found while reading or linting it) is one
// that cannot be opened; the files after it are still linted.
ExitStatus LintOne(const std::string& file, const std::string& site)
{
    try {
        return LintFile(file, site);
    } catch (const std::bad_alloc&) {
        Complain(file + ": cannot open (too large to hold in memory)");
    } catch (const std::length_error&) {
        Complain(file + ": cannot open (too large to hold in memory)");
    }
    return kExitCannotOpen;
}

}  // namespace

ExitStatus RunLint(const std::vector<std::string>& files, const std::string& site)
{
    if (!site.empty()) {
        struct stat info {};
        if (stat(site.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            Complain(site + ": cannot open (not a folder)");
            return kExitCannotOpen;
        }
    }
    ExitStatus result = kExitOk;
    for (const std::string& file : files)
        result = MoreSevere(result, LintOne(file, site));
    if (!FinishStandardOutput())
        result = MoreSevere(result, kExitCannotWrite);
    return result;
}

}  // namespace fw::cli
