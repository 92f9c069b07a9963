#include "JsonWriter.h"

#include <charconv>

#include "text/Cp932.h"
#include "text/References.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::size_t kFlushThreshold = 1 << 20;

bool NeedsEscape(unsigned char byte)
{
    return byte < 0x20 || byte == '"' || byte == '\\';
}

}  // namespace

void JsonWriter::Separate()
{
    if (!m_atStart)
        m_buffer.push_back(',');
    m_atStart = false;
}

void JsonWriter::Raw(std::string_view text)
{
    m_buffer.append(text);
}

void JsonWriter::BeginObject()
{
    Separate();
    m_buffer.push_back('{');
    m_atStart = true;
}

void JsonWriter::EndObject()
{
    m_buffer.push_back('}');
    m_atStart = false;
    FlushIfLarge();
}

void JsonWriter::BeginArray()
{
    Separate();
    m_buffer.push_back('[');
    m_atStart = true;
}

void JsonWriter::EndArray()
{
    m_buffer.push_back(']');
    m_atStart = false;
}

void JsonWriter::Key(std::string_view name)
{
    Separate();
    AppendEscaped(name);
    m_buffer.push_back(':');
    m_atStart = true;
}

void JsonWriter::String(std::string_view utf8)
{
    Separate();
    AppendEscaped(utf8);
}

void JsonWriter::Cp932String(std::string_view cp932)
{
    // CP932's single bytes below 0x80 are ASCII, so most URLs need no conversion.
    const std::string utf8 = !HasHighByte(cp932) ? std::string(cp932) : Cp932ToUtf8(cp932);
    if (utf8.find('&') == std::string::npos)
        String(utf8);
    else
        String(DecodeReferences(utf8, ReferenceNames::Xml));
}

void JsonWriter::Number(long long value)
{
    Separate();
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_buffer.append(digits, result.ptr);
}

void JsonWriter::Bool(bool value)
{
    Separate();
    Raw(value ? "true" : "false");
}

void JsonWriter::Null()
{
    Separate();
    Raw("null");
}

void JsonWriter::AppendEscaped(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    m_buffer.push_back('"');
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (!NeedsEscape(byte))
            continue;
        m_buffer.append(utf8.substr(runStart, i - runStart));
        if (byte == '"' || byte == '\\') {
            m_buffer.push_back('\\');
            m_buffer.push_back(static_cast<char>(byte));
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
            m_buffer.append(escape, sizeof escape);
        }
        runStart = i + 1;
    }
    m_buffer.append(utf8.substr(runStart));
    m_buffer.push_back('"');
}

void JsonWriter::FlushIfLarge()
{
    if (m_buffer.size() >= kFlushThreshold)
        Flush();
}

void JsonWriter::Flush()
{
    if (!m_buffer.empty() && !m_failed && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

bool JsonWriter::Finish()
{
    m_buffer.push_back('\n');
    Flush();
    if (std::fflush(m_out) != 0 || std::ferror(m_out))
        m_failed = true;
    return !m_failed;
}

}  // namespace fw::cli
