#pragma once
// What the commands share for files and messages: writing a result safely
// (or to standard output), and complaining on standard error in one voice.
// Files are read with the core's ReadRegularFile, as Load reads them.

#include <string>
#include <string_view>

#include "ExitStatus.h"

namespace fw {
enum class SaveStatus;
}

namespace fw::cli {

// Text that came from a file or a folder, safe to print on a terminal:
// control characters (C0, DEL, C1) and bytes that are not UTF-8 written as
// "\x1B", so that a file cannot clear the screen, set the window title or
// start a line of its own.
std::string Printable(std::string_view text);

// "feedwright-cdf: TEXT" on standard error, TEXT made Printable.
void Complain(std::string_view text);

// Writes `bytes` to `out` with the core's safe save (SaveFile), so a failure
// leaves an existing OUT as it was; an empty `out` means standard output.
// Reports a failure itself.
ExitStatus WriteResult(const std::string& out, std::string_view bytes);

// Says on standard error why saving `out` failed; the exit status for it.
ExitStatus ReportSave(SaveStatus status, const std::string& out);

// True when both paths name the same existing file (links followed).
bool SameFile(const std::string& a, const std::string& b);

// Flushes standard output; reports and returns false when that failed.
bool FinishStandardOutput();

}  // namespace fw::cli
