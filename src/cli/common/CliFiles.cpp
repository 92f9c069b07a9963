#include "common/CliFiles.h"

#include "cdf/SafeSave.h"
#include "text/Cp932.h"

#include <cstdio>
#include <sys/stat.h>

namespace fw::cli {

namespace {

std::string LeftAsItWas(const std::string& out)
{
    return "an existing " + out + " is left as it was";
}

}  // namespace

std::string Printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    const auto escape = [&out](unsigned char byte) {
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F)
                escape(byte);
            else
                out += static_cast<char>(byte);
            ++i;
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        const std::string_view character = text.substr(i, length);
        // U+0080 to U+009F are the C1 controls (0x9B starts a terminal command).
        const bool c1 = byte == 0xC2 && character.size() == 2 && static_cast<unsigned char>(character[1]) < 0xA0;
        if (character.size() == length && !c1 && IsValidUtf8(character)) {
            out += character;
            i += length;
        } else {
            escape(byte);
            ++i;
        }
    }
    return out;
}

void Complain(std::string_view text)
{
    const std::string printable = Printable(text);
    std::fprintf(stderr, "feedwright-cdf: %s\n", printable.c_str());
}

ExitStatus WriteResult(const std::string& out, std::string_view bytes)
{
    if (out.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return FinishStandardOutput() ? kExitOk : kExitCannotWrite;
    }
    BytesContent content(bytes);
    return ReportSave(SaveFile(out, content), out);
}

ExitStatus ReportSave(SaveStatus status, const std::string& out)
{
    switch (status) {
    case SaveStatus::Ok:
        return kExitOk;
    case SaveStatus::CannotCreate:
        Complain("cannot write " + out + ": the file or its temporary file could not be created; " + LeftAsItWas(out));
        return kExitCannotWrite;
    case SaveStatus::WriteFailed:
        Complain("cannot write " + out + ": writing failed (is the disk full?); " + LeftAsItWas(out));
        return kExitCannotWrite;
    case SaveStatus::NoSpace:
        Complain("cannot write " + out +
                 ": it would not fit in the free space of its file system (or under the file-size limit);"
                 " nothing was written, " +
                 LeftAsItWas(out));
        return kExitCannotWrite;
    case SaveStatus::Cancelled:  // nothing here cancels a save
        return kExitCannotWrite;
    }
    return kExitCannotWrite;
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
        first.st_ino == second.st_ino;
}

bool FinishStandardOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    Complain("cannot write standard output");
    return false;
}

}  // namespace fw::cli
