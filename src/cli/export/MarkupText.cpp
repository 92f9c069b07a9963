#include "export/MarkupText.h"

#include <charconv>
#include <optional>

#include "text/Cp932.h"

namespace fw::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
        (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of a reference at the start of `text` ("&amp;", "&#38;",
// "&#x26;") and its length; nothing for anything else.
std::optional<char32_t> Reference(std::string_view text, std::size_t& length)
{
    static constexpr std::pair<std::string_view, char32_t> kNamed[] = {{"&amp;", '&'},
                                                                       {"&lt;", '<'},
                                                                       {"&gt;", '>'},
                                                                       {"&quot;", '"'},
                                                                       {"&apos;", '\''}};
    for (const auto& [name, c] : kNamed) {
        if (text.substr(0, name.size()) == name) {
            length = name.size();
            return c;
        }
    }
    if (text.size() < 4 || text[1] != '#')
        return std::nullopt;
    const bool hex = text[2] == 'x' || text[2] == 'X';
    const std::size_t digits = hex ? 3 : 2;
    const std::size_t semicolon = text.find(';', digits);
    if (semicolon == std::string_view::npos || semicolon == digits || semicolon > digits + 8)
        return std::nullopt;
    unsigned long value = 0;
    const auto parsed = std::from_chars(text.data() + digits, text.data() + semicolon, value, hex ? 16 : 10);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + semicolon || !IsXmlChar(static_cast<char32_t>(value)))
        return std::nullopt;
    length = semicolon + 1;
    return static_cast<char32_t>(value);
}

}  // namespace

std::string ChannelTextToUtf8(std::string_view cp932)
{
    const std::string utf8 = Cp932ToUtf8(cp932);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '&') {
            std::size_t length = 0;
            if (const std::optional<char32_t> c = Reference(std::string_view(utf8).substr(i), length)) {
                AppendUtf8(out, *c);
                i += length;
                continue;
            }
        }
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            out += kReplacement;
        else
            out += static_cast<char>(byte);
        ++i;
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
