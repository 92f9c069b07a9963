#include "export/MarkupText.h"

#include "text/Cp932.h"
#include "text/References.h"

namespace fw::cli {

std::string ChannelTextToUtf8(std::string_view cp932)
{
    const std::string decoded = DecodeReferences(Cp932ToUtf8(cp932), ReferenceNames::Xml);
    std::string out;
    out.reserve(decoded.size());
    for (const char c : decoded) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            out += "\xEF\xBF\xBD";  // U+FFFD
        else
            out += c;
    }
    return out;
}

void AppendEscaped(std::string& out, std::string_view utf8, bool attribute)
{
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        case '\n':
            out += attribute ? "&#10;" : "\n";
            break;
        case '\r':
            out += attribute ? "&#13;" : "\r";
            break;
        case '\t':
            out += attribute ? "&#9;" : "\t";
            break;
        default:
            out += c;
            break;
        }
    }
}

}  // namespace fw::cli
