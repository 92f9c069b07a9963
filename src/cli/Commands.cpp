#include "Commands.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>

#include "ChannelJson.h"
#include "JsonWriter.h"
#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "cdf/SafeSave.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "common/LoadVerdict.h"
#include "lint/ChannelLint.h"
#include "lint/LintLoad.h"
#include "os/RegularFile.h"
#include "text/FileEncoding.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

// What `check` says about a file after "FILE: ".
ExitStatus ExitStatusFor(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Ok:
        return kExitOk;
    case ReadStatus::CannotOpen:
    case ReadStatus::Cancelled:
        return kExitCannotOpen;
    case ReadStatus::ElementError:
    case ReadStatus::Phase0:
    case ReadStatus::Phase1:
        return kExitLoadError;
    }
    return kExitCannotOpen;
}

// Loads as the program's Load does; a problem is reported on standard error.
ReadStatus Load(Channel& channel, const std::string& path, TraceSink& trace)
{
    const ReadStatus status = ReadCdfFile(channel, path, trace);
    if (status != ReadStatus::Ok)
        Complain(path + ": " + std::string(CheckVerdict(status)));
    return status;
}

// What lint says a save of the file would change; true when every change is
// one the writer always makes. Otherwise each change is said on standard error.
bool SavesOnlyNormalised(const std::string& path)
{
    FileBuffer file;
    if (!ReadRegularFile(path, file))
        return false;
    lint::LintLoad load(file.Bytes());
    const std::vector<lint::Diagnostic> found = lint::LintChannel(load.Input());
    const auto lost = [](const lint::Diagnostic& d) { return d.change == lint::SaveChange::Lost; };
    if (std::none_of(found.begin(), found.end(), lost))
        return true;
    for (const lint::Diagnostic& change : found) {
        if (change.change != lint::SaveChange::None)
            Complain(path + ":" + std::to_string(change.line) + ": " +
                     (lost(change) ? "would be lost: " : "normalised: ") + change.text);
    }
    Complain(path + ": not rewritten: --strict allows only the changes the writer always makes");
    return false;
}

}  // namespace

ExitStatus SaveChannel(Channel& channel, const std::string& out)
{
    return ReportSave(SaveCdfFile(channel, out), out);
}

ExitStatus RunNew(const std::string& out)
{
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    return SaveChannel(channel, out);
}

ExitStatus RunRewrite(const std::string& in, const std::string& out, bool strict)
{
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    const ReadStatus status = Load(channel, in, *trace);
    if (status == ReadStatus::CannotOpen)
        return kExitCannotOpen;
    if (strict && !SavesOnlyNormalised(in))
        return kExitLintWarned;
    return MoreSevere(ExitStatusFor(status), SaveChannel(channel, out));
}

ExitStatus RunCheck(const std::vector<std::string>& files)
{
    const auto trace = MakeTraceSinkFromEnvironment();
    ExitStatus result = kExitOk;
    for (const std::string& file : files) {
        // A fresh channel per file, as a fresh load would see it.
        Channel channel(trace.get());
        const ReadStatus status = ReadCdfFile(channel, file, *trace);
        std::printf("%s: %.*s\n", file.c_str(), static_cast<int>(CheckVerdict(status).size()),
                    CheckVerdict(status).data());
        result = MoreSevere(result, ExitStatusFor(status));
    }
    if (!FinishStandardOutput())
        result = MoreSevere(result, kExitCannotWrite);
    return result;
}

ExitStatus RunShow(const std::string& file)
{
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    const ReadStatus status = Load(channel, file, *trace);
    if (status == ReadStatus::CannotOpen)
        return kExitCannotOpen;
    JsonWriter json(stdout);
    WriteChannelJson(channel, status, json);
    ExitStatus result = ExitStatusFor(status);
    if (!json.Finish()) {
        Complain("cannot write standard output");
        result = MoreSevere(result, kExitCannotWrite);
    }
    return result;
}

}  // namespace fw::cli
