#include "text/FileEncoding.h"

#include <array>
#include <optional>

#include "text/Cp932.h"
#include "text/SjisText.h"

namespace fw {

namespace {

struct ByteOrderMark {
    std::string_view bytes;
    const char* encoding;
};

constexpr std::array<ByteOrderMark, 3> kByteOrderMarks = {{
    {"\xEF\xBB\xBF", "UTF-8"},
    {"\xFF\xFE", "UTF-16LE"},
    {"\xFE\xFF", "UTF-16BE"},
}};

// Names under which files declare the encoding the reader scans natively.
constexpr std::array<std::string_view, 9> kShiftJisNames = {
    "x-sjis", "shift_jis", "shift-jis", "sjis", "windows-31j", "cp932", "ms_kanji", "x-ms-cp932", "csshiftjis",
};

bool IsXmlSpace(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

bool StartsWithNoCase(std::string_view text, std::string_view word)
{
    return text.size() >= word.size() && EqualsAsciiNoCase(text.substr(0, word.size()), word);
}

// The value of `encoding` in an XML declaration that opens the file, or
// nothing when there is no such declaration or it names no encoding.
std::optional<std::string> DeclaredEncoding(std::string_view file)
{
    std::size_t pos = 0;
    while (pos < file.size() && IsXmlSpace(file[pos]))
        ++pos;
    std::string_view rest = file.substr(pos);
    if (!StartsWithNoCase(rest, "<?xml") || rest.size() < 6 || !IsXmlSpace(rest[5]))
        return std::nullopt;
    const std::size_t end = rest.find('>');
    const std::string_view declaration = rest.substr(5, end == std::string_view::npos ? rest.size() : end - 5);

    constexpr std::string_view kName = "encoding";
    for (std::size_t at = 1; at + kName.size() <= declaration.size(); ++at) {
        if (!EqualsAsciiNoCase(declaration.substr(at, kName.size()), kName) || !IsXmlSpace(declaration[at - 1]))
            continue;
        std::size_t i = at + kName.size();
        while (i < declaration.size() && IsXmlSpace(declaration[i]))
            ++i;
        if (i >= declaration.size() || declaration[i] != '=')
            continue;
        ++i;
        while (i < declaration.size() && IsXmlSpace(declaration[i]))
            ++i;
        if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
            return std::nullopt;
        const char quote = declaration[i];
        const std::size_t close = declaration.find(quote, i + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        return std::string(declaration.substr(i + 1, close - i - 1));
    }
    return std::nullopt;
}

FileText Unconverted(std::string_view file)
{
    FileText result;
    result.bytes = file;
    return result;
}

// Text in `encoding` through UTF-8 into CP932; the file as it is when it does
// not convert.
FileText ConvertFrom(std::string_view text, std::string_view file, const std::string& encoding)
{
    std::optional<std::string> converted = ConvertToCp932(text, encoding);
    if (!converted)
        return Unconverted(file);
    FileText result;
    result.storage = std::move(*converted);
    result.bytes = result.storage;
    result.convertedFrom = encoding;
    return result;
}

}  // namespace

bool IsShiftJisName(std::string_view name)
{
    for (std::string_view known : kShiftJisNames) {
        if (EqualsAsciiNoCase(name, known))
            return true;
    }
    return false;
}

std::optional<std::string> ConvertToCp932(std::string_view text, const std::string& encoding)
{
    if (IsShiftJisName(encoding))
        return std::string(text);
    if (EqualsAsciiNoCase(encoding, "UTF-8")) {
        if (!IsValidUtf8(text))
            return std::nullopt;
        return Utf8ToCp932(text);
    }
    const std::optional<std::string> utf8 = ConvertToUtf8(text, encoding);
    if (!utf8)
        return std::nullopt;
    return Utf8ToCp932(*utf8);
}

FileText DecodeFileText(std::string_view file)
{
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (file.substr(0, mark.bytes.size()) == mark.bytes)
            return ConvertFrom(file.substr(mark.bytes.size()), file, mark.encoding);
    }
    if (std::optional<std::string> declared = DeclaredEncoding(file)) {
        if (IsShiftJisName(*declared))
            return Unconverted(file);
        return ConvertFrom(file, file, *declared);
    }
    if (HasHighByte(file) && IsValidUtf8(file))
        return ConvertFrom(file, file, "UTF-8");
    return Unconverted(file);
}

}  // namespace fw
