#include "MiniJson.h"

#include <cstdlib>
#include <stdexcept>

namespace clitest {

namespace {

class Parser {
public:
    Parser(std::string_view text, int maxDepth) : m_text(text), m_maxDepth(maxDepth) {}

    JsonValue Document()
    {
        JsonValue value = Value(0);
        SkipSpace();
        if (m_pos != m_text.size())
            Fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(m_pos));
    }

    void SkipSpace()
    {
        while (m_pos < m_text.size()
               && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
            ++m_pos;
    }

    char Peek()
    {
        SkipSpace();
        if (m_pos >= m_text.size())
            Fail("unexpected end");
        return m_text[m_pos];
    }

    void Expect(char c)
    {
        if (Peek() != c)
            Fail(std::string("expected '") + c + "'");
        ++m_pos;
    }

    bool Literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    JsonValue Value(int depth)
    {
        if (depth > m_maxDepth)
            Fail("nested too deeply");
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            value.kind = JsonValue::Kind::Object;
            ++m_pos;
            if (Peek() == '}') {
                ++m_pos;
                return value;
            }
            for (;;) {
                if (Peek() != '"')
                    Fail("expected a member name");
                std::string key = String();
                Expect(':');
                value.members.emplace_back(std::move(key), Value(depth + 1));
                if (Peek() == ',') {
                    ++m_pos;
                    continue;
                }
                Expect('}');
                return value;
            }
        }
        if (c == '[') {
            value.kind = JsonValue::Kind::Array;
            ++m_pos;
            if (Peek() == ']') {
                ++m_pos;
                return value;
            }
            for (;;) {
                value.items.push_back(Value(depth + 1));
                if (Peek() == ',') {
                    ++m_pos;
                    continue;
                }
                Expect(']');
                return value;
            }
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = String();
            return value;
        }
        if (Literal("true")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = true;
            return value;
        }
        if (Literal("false")) {
            value.kind = JsonValue::Kind::Bool;
            return value;
        }
        if (Literal("null"))
            return value;
        return Number();
    }

    JsonValue Number()
    {
        const std::size_t start = m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '-')
            ++m_pos;
        while (m_pos < m_text.size() && ((m_text[m_pos] >= '0' && m_text[m_pos] <= '9') || m_text[m_pos] == '.'
                                         || m_text[m_pos] == 'e' || m_text[m_pos] == 'E' || m_text[m_pos] == '+'))
            ++m_pos;
        if (m_pos == start)
            Fail("expected a value");
        JsonValue value;
        value.kind = JsonValue::Kind::Number;
        value.number = std::strtod(std::string(m_text.substr(start, m_pos - start)).c_str(), nullptr);
        return value;
    }

    unsigned Hex4()
    {
        if (m_pos + 4 > m_text.size())
            Fail("short \\u escape");
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = m_text[m_pos++];
            code <<= 4;
            if (h >= '0' && h <= '9')
                code |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                code |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                code |= static_cast<unsigned>(h - 'A' + 10);
            else
                Fail("bad hex digit");
        }
        return code;
    }

    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    std::string String()
    {
        ++m_pos;  // the opening quote
        std::string out;
        for (;;) {
            if (m_pos >= m_text.size())
                Fail("unterminated string");
            const auto byte = static_cast<unsigned char>(m_text[m_pos++]);
            if (byte == '"')
                return out;
            if (byte < 0x20)
                Fail("raw control character in a string");
            if (byte != '\\') {
                out.push_back(static_cast<char>(byte));
                continue;
            }
            if (m_pos >= m_text.size())
                Fail("unterminated escape");
            const char e = m_text[m_pos++];
            switch (e) {
            case '"': out.push_back('"'); break;
            case '\\': out.push_back('\\'); break;
            case '/': out.push_back('/'); break;
            case 'b': out.push_back('\b'); break;
            case 'f': out.push_back('\f'); break;
            case 'n': out.push_back('\n'); break;
            case 'r': out.push_back('\r'); break;
            case 't': out.push_back('\t'); break;
            case 'u': {
                unsigned code = Hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    if (!Literal("\\u"))
                        Fail("lone high surrogate");
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low >= 0xE000)
                        Fail("bad low surrogate");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                Fail("bad escape");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_maxDepth;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const
{
    if (kind != Kind::Object)
        throw std::runtime_error("not an object, looking for " + std::string(key));
    for (const auto& [name, value] : members) {
        if (name == key)
            return value;
    }
    throw std::runtime_error("no member " + std::string(key));
}

const JsonValue& JsonValue::operator[](std::size_t index) const
{
    if (kind != Kind::Array || index >= items.size())
        throw std::runtime_error("no array item " + std::to_string(index));
    return items[index];
}

std::vector<std::string> JsonValue::Keys() const
{
    std::vector<std::string> keys;
    for (const auto& member : members)
        keys.push_back(member.first);
    return keys;
}

JsonValue ParseJson(std::string_view text, int maxDepth)
{
    return Parser(text, maxDepth).Document();
}

}  // namespace clitest
