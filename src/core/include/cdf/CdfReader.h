#pragma once
// Reads a .cdf file back into a Channel in a single pass over its bytes.
// Not an XML parser: it knows a fixed set of element names (in any case),
// takes their attributes and the text of TITLE and ABSTRACT, and skips the rest.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

struct Channel;
class CdfInput;
class CdfProgress;
class CdfReadObserver;
class TraceSink;

enum class ReadStatus {
    Ok,
    CannotOpen,    // the file could not be opened or read (or is no regular file, or memory ran out)
    ElementError,  // a TITLE or ABSTRACT was not closed by its own tag
    Phase0,        // no "<?XML" declaration in the whole file
    Phase1,        // a declaration whose text did not end with '?'
    Cancelled,     // the progress asked to stop
};

// What a load came to, and where it stopped: for the element error, the
// offset of the '<' that ended the load, in the text the reader scanned (see
// CdfReadEvent); else how far it read (all of it, unless cancelled). It
// stands for its status wherever a ReadStatus is wanted.
struct CdfReadResult {
    ReadStatus status = ReadStatus::Ok;
    std::size_t offset = 0;

    operator ReadStatus() const { return status; }  // NOLINT(google-explicit-constructor)
};

// Clears the channel first, then applies every element in file order. The
// element error takes precedence over the declaration checks. The progress,
// when given, hears how many bytes have been read now and then.
[[nodiscard]] CdfReadResult ReadCdf(Channel& channel, CdfInput& input, TraceSink& trace,
                                    CdfProgress* progress = nullptr, CdfReadObserver* observer = nullptr);
// A file's bytes in whatever encoding it came in (see DecodeFileText). The
// observer, when given, hears what the load did with each piece it keeps or
// takes under another name.
[[nodiscard]] CdfReadResult ReadCdfBytes(Channel& channel, std::string_view bytes, TraceSink& trace,
                                         CdfProgress* progress = nullptr, CdfReadObserver* observer = nullptr);
// Reads only a regular file, opened without waiting (a FIFO or a device is
// refused at once as CannotOpen). The file is loaded into a channel of its
// own, taken over only when read to its end: CannotOpen and Cancelled leave
// the channel exactly as it was.
[[nodiscard]] CdfReadResult ReadCdfFile(Channel& channel, const std::string& path, TraceSink& trace,
                                        CdfProgress* progress = nullptr);

}  // namespace fw
