#pragma once
// The encoding of a .cdf file as it comes from disk. The reader scans CP932
// bytes; a file written in another encoding is converted once, before the
// scan, so that its text reaches the members as CP932 like typed text does.

#include <optional>
#include <string>
#include <string_view>

namespace fw {

struct FileText {
    // The text to scan: the file's own bytes when nothing was converted.
    std::string_view bytes;
    // The encoding it was converted from ("UTF-8", "EUC-JP", ...), or empty
    // when the file was taken as Shift-JIS.
    std::string convertedFrom;
    // Owns the converted text; `bytes` points into it then.
    std::string storage;
};

// How a file is taken:
//  1. a byte-order mark decides first (UTF-8, UTF-16 LE or BE);
//  2. else the encoding named by an XML declaration at the very start (after
//     white space only), name and value in any case; Shift-JIS names mean
//     no conversion;
//  3. else text that is valid UTF-8 with at least one byte of 0x80 or above
//     is UTF-8; anything else is Shift-JIS.
// Bytes not valid in the encoding found, or an encoding iconv does not know,
// leave the file as it is. Characters CP932 lacks become "&#x...;"
// references. Shift-JIS files are neither copied nor scanned twice.
// `file` must outlive the result when nothing was converted.
FileText DecodeFileText(std::string_view file);

// True for the names under which files declare Shift-JIS ("x-sjis",
// "Shift_JIS", "Windows-31J", ...), in any case: text in them needs no conversion.
bool IsShiftJisName(std::string_view name);

// Text in the named encoding as CP932, converted as DecodeFileText converts
// a file: nothing to do for a Shift-JIS name; characters CP932 lacks become
// "&#x...;". Nothing when the name is unknown or the bytes are not valid in
// it, so the caller can keep them as they are.
std::optional<std::string> ConvertToCp932(std::string_view text, const std::string& encoding);

}  // namespace fw
