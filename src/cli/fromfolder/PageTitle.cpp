#include "fromfolder/PageTitle.h"

#include <optional>

#include "text/Cp932.h"
#include "text/FileEncoding.h"
#include "text/References.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsCharsetChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
        c == '.' || c == ':';
}

// True when a tag named `name` (in any case) starts at the '<' at `at`.
bool IsTagAt(std::string_view page, std::size_t at, std::string_view name)
{
    const std::size_t after = at + 1 + name.size();
    return EqualsAsciiNoCase(page.substr(at + 1, name.size()), name) &&
        (after == page.size() || IsSpace(page[after]) || page[after] == '>' || page[after] == '/');
}

// The next start tag named `name` from `from` on, where a browser would see
// it: not inside a comment, nor in the text of a script or a style sheet
// (which may well hold "<title>" in a string).
std::size_t FindTag(std::string_view page, std::string_view name, std::size_t from)
{
    for (std::size_t at = page.find('<', from); at != std::string_view::npos; at = page.find('<', at + 1)) {
        if (page.substr(at, 4) == "<!--") {
            at = page.find("-->", at + 2);  // "<!-->" is a whole comment, as browsers have it
            if (at == std::string_view::npos)
                return at;
            continue;
        }
        if (IsTagAt(page, at, name))
            return at;
        for (const std::string_view rawText : {"</script", "</style"}) {
            if (IsTagAt(page, at, rawText.substr(2))) {
                at = FindAsciiNoCase(page, rawText, at);
                if (at == std::string_view::npos)
                    return at;
                break;
            }
        }
    }
    return std::string_view::npos;
}

// The word after `key` = in a tag's text ("charset=utf-8", "encoding='EUC-JP'").
std::optional<std::string> ValueAfter(std::string_view tag, std::string_view key)
{
    for (std::size_t at = 0; at + key.size() <= tag.size(); ++at) {
        if (!EqualsAsciiNoCase(tag.substr(at, key.size()), key))
            continue;
        std::size_t i = at + key.size();
        while (i < tag.size() && IsSpace(tag[i]))
            ++i;
        if (i >= tag.size() || tag[i] != '=')
            continue;
        ++i;
        while (i < tag.size() && (IsSpace(tag[i]) || tag[i] == '"' || tag[i] == '\''))
            ++i;
        const std::size_t start = i;
        while (i < tag.size() && IsCharsetChar(tag[i]))
            ++i;
        if (i > start)
            return std::string(tag.substr(start, i - start));
    }
    return std::nullopt;
}

// The encoding a page names for itself, if any.
std::optional<std::string> DeclaredCharset(std::string_view page)
{
    std::size_t start = 0;
    while (start < page.size() && IsSpace(page[start]))
        ++start;
    if (EqualsAsciiNoCase(page.substr(start, 5), "<?xml")) {
        const std::size_t end = page.find('>', start);
        if (auto encoding =
                ValueAfter(page.substr(start, end == std::string_view::npos ? end : end - start), "encoding"))
            return encoding;
    }
    for (std::size_t at = FindTag(page, "meta", 0); at != std::string_view::npos; at = FindTag(page, "meta", at + 5)) {
        // The tag ends at its '>', or where the next one begins when that is missing.
        const std::size_t end = page.find_first_of("<>", at + 1);
        const std::string_view tag = page.substr(at, end == std::string_view::npos ? end : end - at);
        if (auto charset = ValueAfter(tag, "charset"))
            return charset;
    }
    return std::nullopt;
}

// The bytes between <title ...> and </title>, or nothing. The title's text
// is taken as it stands: a "<!--" there is text.
std::optional<std::string_view> RawTitle(std::string_view page)
{
    const std::size_t at = FindTag(page, "title", 0);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = page.find('>', at);
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = FindAsciiNoCase(page, "</title", open);
    return page.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
}

// A cut-off page may end inside a UTF-8 character; that must not make it invalid.
std::string_view WithoutCutCharacter(std::string_view page)
{
    for (std::size_t back = 1; back <= 3 && back <= page.size(); ++back) {
        const auto byte = static_cast<unsigned char>(page[page.size() - back]);
        if (byte < 0x80)
            return page;
        if (byte >= 0xC0) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? page.substr(0, page.size() - back) : page;
        }
    }
    return page;
}

// Control characters (ESC, DEL and the like) have no place in a channel:
// XML forbids them. Tab, CR and LF are white space.
bool IsControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

// White space and control characters as one blank, '<' and '&' written as
// references, so that the title passes Load and strict XML readers alike.
// With `references`, the character and entity references a page may hold
// ("&eacute;", "&#233;") become their characters first; a character CP932
// lacks becomes the reference the program keeps it as ("&#xE9;"). CP932's
// trail bytes are never below 0x40, so each byte is judged alone.
std::string Tidied(std::string_view cp932, bool references)
{
    std::string out;
    bool space = false;
    const auto put = [&](std::string_view text) {
        if (space)
            out += ' ';
        space = false;
        out += text;
    };
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const char c = cp932[i];
        char32_t decoded = 0;
        const std::size_t length =
            references && c == '&' ? ReadReference(cp932.substr(i), ReferenceNames::Html, decoded) : 0;
        if (length != 0) {
            i += length - 1;
            if (decoded >= 0x80) {
                std::string utf8;
                AppendUtf8(utf8, decoded);
                put(Utf8ToCp932(utf8));
                continue;
            }
        } else {
            decoded = static_cast<unsigned char>(c);
        }
        if (IsSpace(static_cast<char>(decoded)) || IsControl(static_cast<unsigned char>(decoded)))
            space = !out.empty();
        else if (decoded == '<')
            put("&lt;");
        else if (decoded == '&')
            put("&amp;");
        else
            put(std::string(1, static_cast<char>(decoded)));
    }
    return out;
}

}  // namespace

std::string PageTitleCp932(std::string_view page, bool truncated)
{
    if (page.substr(0, 2) == "\xFF\xFE" || page.substr(0, 2) == "\xFE\xFF") {
        // UTF-16 is no ASCII superset: convert the whole start, then look.
        const FileText text = DecodeFileText(page.substr(0, page.size() & ~std::size_t{1}));
        if (text.convertedFrom.empty())
            return {};
        const std::optional<std::string_view> raw = RawTitle(text.bytes);
        return raw ? Tidied(*raw, true) : std::string();
    }
    std::optional<std::string> encoding;
    if (page.substr(0, 3) == "\xEF\xBB\xBF") {
        page.remove_prefix(3);
        encoding = "UTF-8";
    } else {
        encoding = DeclaredCharset(page);
    }
    const std::optional<std::string_view> raw = RawTitle(page);
    if (!raw)
        return {};
    if (!encoding && HasHighByte(*raw) && IsValidUtf8(truncated ? WithoutCutCharacter(page) : page))
        encoding = "UTF-8";
    if (encoding) {
        if (std::optional<std::string> converted = ConvertToCp932(*raw, *encoding))
            return Tidied(*converted, true);
    }
    return Tidied(*raw, true);
}

std::string NameAsCp932(std::string_view name)
{
    // Tidied before the conversion, whose references for characters CP932
    // lacks must stay references. UTF-8's bytes above 0x7F never look like ASCII.
    const std::string tidied = Tidied(name, false);
    return HasHighByte(name) && IsValidUtf8(name) ? Utf8ToCp932(tidied) : tidied;
}

}  // namespace fw::cli
