#include "lint/LintCommand.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>
#include <stdexcept>

#include "cdf/CdfReader.h"
#include "common/CliFiles.h"
#include "lint/ChannelLint.h"
#include "lint/LintLoad.h"
#include "os/RegularFile.h"

namespace fw::cli {

namespace {

// Logos are small; a bigger file is read only as far as its header needs.
constexpr std::size_t kPictureHeadLimit = 1 << 20;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

ExitStatus LintFile(const std::string& file, const std::string& site)
{
    FileBuffer buffer;
    if (const FileReadResult read = ReadRegularFile(file, buffer); !read) {
        Complain(file + ": cannot open (" + read.Reason() + ")");
        return kExitCannotOpen;
    }
    lint::LintLoad load(buffer.Bytes());
    lint::LintInput& input = load.Input();
    const std::string folder = FolderOf(file);
    input.readBeside = [&folder](const std::string& relativePath) -> std::optional<std::string> {
        FileBuffer picture;
        if (!ReadRegularFile(folder + relativePath, picture, {kPictureHeadLimit}))
            return std::nullopt;
        return std::string(picture.Bytes());
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
