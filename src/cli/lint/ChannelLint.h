#pragma once
// What would make a channel misbehave in a CDF reader of its time, and what
// Feedwright itself would drop or misread, found by reading the file's own
// text (not the loaded channel, which has already lost those things).

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cdf/CdfReadEvents.h"
#include "cdf/CdfReader.h"

namespace fw::cli::lint {

enum class Severity { Error, Warning, Note };

// What a finding says of an untouched Load and Create of the file: nothing,
// a change the writer always makes (a URL's trailing "/", blanks trimmed, a
// placeholder for what is missing, sub-channels before pages), or one that
// loses or alters what the file says.
enum class SaveChange { None, Normalised, Lost };

struct Diagnostic {
    int line = 1;
    Severity severity = Severity::Warning;
    std::string text;  // UTF-8
    SaveChange change = SaveChange::None;
};

// What Load told about a piece of the file (see CdfReadEvent), kept past the load.
struct LoadEvent {
    std::size_t offset = 0;
    CdfReadAction action = CdfReadAction::Kept;
    std::string element, name, takenAs;
    bool attribute = false;
    std::string value;
};

// Collects what a load tells, for LintInput::loadEvents.
class LoadEventRecorder final : public CdfReadObserver {
public:
    void OnRead(const CdfReadEvent& event) override
    {
        events.push_back({event.offset, event.action, std::string(event.element), std::string(event.name),
                          std::string(event.takenAs), event.attribute, std::string(event.value)});
    }
    std::vector<LoadEvent> events;
};

struct LintInput {
    // The file's text in CP932, as the reader scans it (see DecodeFileText).
    std::string_view text;
    // What Feedwright's Load made of the same file: its problems are errors.
    ReadStatus loadStatus = ReadStatus::Ok;
    std::size_t loadStoppedAt = 0;  // CdfReadResult::offset
    // What that load told (CdfReadEvent), by offset in `text`.
    std::vector<LoadEvent> loadEvents;
    // The bytes of a file named by a relative path beside the .cdf, or
    // nothing when there is no such file. Used for the sizes of logos.
    std::function<std::optional<std::string>(const std::string& relativePath)> readBeside;
    // Whether the local copy of the site holds a file or folder at a path
    // relative to its top (UTF-8); unset when no site folder was named.
    std::function<bool(const std::string& relativePath)> siteHas;
};

// The findings in the order of their lines (several on one line in the
// order found).
std::vector<Diagnostic> LintChannel(const LintInput& input);

std::string_view SeverityName(Severity severity);

}  // namespace fw::cli::lint
