#pragma once
// What the commands share for files and messages: reading a whole file,
// writing a result safely (or to standard output), and complaining on
// standard error in one voice.

#include <string>
#include <string_view>

#include "ExitStatus.h"

namespace fw::cli {

// "feedwright-cdf: TEXT" on standard error.
void Complain(std::string_view text);

// The whole file. False (with `reason`, such as "No such file or directory")
// when it cannot be opened or read, or is a folder.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// Up to `limit` bytes from the start of a regular file, opened without
// following a last symbolic link when `noFollow`; never blocks on a FIFO or
// a device, which are refused. `truncated` tells whether more bytes followed.
bool ReadFileHead(const std::string& path, std::size_t limit, bool noFollow, std::string& bytes, bool& truncated,
                  std::string& reason);

// Writes `bytes` to `out` through a temporary file beside it, renamed over it
// once complete, so a failure leaves an existing OUT as it was; an empty
// `out` means standard output. Reports a failure itself.
ExitStatus WriteResult(const std::string& out, std::string_view bytes);

// Flushes standard output; reports and returns false when that failed.
bool FinishStandardOutput();

}  // namespace fw::cli
