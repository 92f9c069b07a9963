#include "MiniJson.h"

#include <stdexcept>

namespace clitest {

namespace {

class Parser {
public:
    Parser(std::string_view text, int maxDepth) : m_text(text), m_maxDepth(maxDepth) {}

    JsonValue Document()
    {
        JsonValue value = Value(0);
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;  // the line feed that ends the output
        if (m_pos != m_text.size())
            Fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(m_pos));
    }

    char Next()
    {
        if (m_pos >= m_text.size())
            Fail("unexpected end");
        return m_text[m_pos++];
    }

    bool Take(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    // The items of an array or the members of an object, up to `close`.
    template <typename ReadOne> void List(char close, ReadOne readOne)
    {
        if (Take(std::string_view(&close, 1)))
            return;
        do
            readOne();
        while (Take(","));
        if (Next() != close)
            Fail(std::string("expected '") + close + "'");
    }

    JsonValue Value(int depth)
    {
        if (depth > m_maxDepth)
            Fail("nested too deeply");
        JsonValue value;
        if (Take("{")) {
            value.kind = JsonValue::Kind::Object;
            List('}', [&] {
                if (Next() != '"')
                    Fail("expected a member name");
                std::string key = String();
                if (Next() != ':')
                    Fail("expected ':'");
                value.members.emplace_back(std::move(key), Value(depth + 1));
            });
        } else if (Take("[")) {
            value.kind = JsonValue::Kind::Array;
            List(']', [&] { value.items.push_back(Value(depth + 1)); });
        } else if (Take("\"")) {
            value.kind = JsonValue::Kind::String;
            value.text = String();
        } else if (Take("true") || Take("false")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = m_text.substr(m_pos - 4, 4) == "true";
        } else if (!Take("null")) {
            value.kind = JsonValue::Kind::Number;
            value.number = Integer();
        }
        return value;
    }

    long long Integer()
    {
        const bool negative = Take("-");
        const std::size_t start = m_pos;
        long long number = 0;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            number = number * 10 + (m_text[m_pos++] - '0');
        if (m_pos == start)
            Fail("expected a value");
        return negative ? -number : number;
    }

    std::string String()
    {
        std::string out;
        for (;;) {
            const auto byte = static_cast<unsigned char>(Next());
            if (byte == '"')
                return out;
            if (byte < 0x20)
                Fail("raw control character in a string");
            if (byte != '\\') {
                out.push_back(static_cast<char>(byte));
            } else if (Take("\"") || Take("\\")) {
                out.push_back(m_text[m_pos - 1]);
            } else if (Take("u00")) {
                const std::string hex(m_text.substr(m_pos, 2));
                m_pos += 2;
                if (hex.size() != 2 || hex.find_first_not_of("0123456789abcdef") != std::string::npos
                    || hex[0] > '1')
                    Fail("\\u escape that is not a control character in lower-case hex");
                out.push_back(static_cast<char>(std::stoi(hex, nullptr, 16)));
            } else {
                Fail("unexpected escape");
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
    for (const auto& [name, value] : members) {
        if (name == key)
            return value;
    }
    throw std::runtime_error("no member " + std::string(key));
}

const JsonValue& JsonValue::operator[](std::size_t index) const
{
    if (index >= items.size())
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
