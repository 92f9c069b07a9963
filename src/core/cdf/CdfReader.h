#pragma once
// Reads a .cdf file back into a Channel in a single pass over its bytes.
// Not an XML parser: it knows a fixed set of element names (in any case),
// takes their attributes and the text of TITLE and ABSTRACT, and skips the rest.

#include <string>
#include <string_view>

namespace fw {

struct Channel;
class CdfInput;
class TraceSink;

enum class ReadStatus {
    Ok,
    CannotOpen,    // the file could not be opened or read; the channel is exactly as it was
    ElementError,  // a TITLE or ABSTRACT was not closed by its own tag
    Phase0,        // no "<?XML" declaration in the whole file
    Phase1,        // a declaration whose text did not end with '?'
};

// Clears the channel first, then applies every element in file order. The
// element error takes precedence over the declaration checks.
ReadStatus ReadCdf(Channel& channel, CdfInput& input, TraceSink& trace);
// A file's bytes in whatever encoding it came in (see DecodeFileText).
ReadStatus ReadCdfBytes(Channel& channel, std::string_view bytes, TraceSink& trace);
// CannotOpen leaves the channel untouched.
ReadStatus ReadCdfFile(Channel& channel, const std::string& path, TraceSink& trace);

}  // namespace fw
