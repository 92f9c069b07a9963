#pragma once
// A strict JSON reader for the tests. It returns the document in one line
// without spacing, strings in quotes with escapes decoded, so that a whole
// document compares as one string. A stack of open brackets stands in for
// recursion. Malformed JSON, e.g. a raw control character, throws.

#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>

namespace clitest {

inline std::string JsonOutline(std::string_view text)
{
    static const std::regex scalar("true|false|null|-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][-+]?[0-9]+)?");
    std::string out, open;
    std::size_t at = 0;
    const auto fail = [&](const char* what) -> char {
        throw std::runtime_error(std::string("JSON: ") + what + " at offset " + std::to_string(at));
    };
    const auto take = [&] { return at < text.size() ? text[at++] : fail("unexpected end"); };
    const auto next = [&] { return at = std::min(text.find_first_not_of(" \t\r\n", at), text.size()), take(); };
    const auto closer = [](char bracket) { return bracket == '{' ? '}' : ']'; };
    const auto string = [&] {
        out += next() == '"' ? '"' : fail("expected a string");
        for (char c; (c = take()) != '"'; out += c) {
            if (static_cast<unsigned char>(c) < 0x20)
                fail("raw control character");
            const std::size_t escape = c == '\\' ? std::string_view("\"\\/bfnrtu").find(take()) : 9;
            if (escape < 8) {
                c = "\"\\/\b\f\n\r\t"[escape];
            } else if (escape == 8) {
                const std::string hex(text.substr(at, 4));
                if (hex.size() != 4 || hex.find_first_not_of("0123456789abcdefABCDEF") != hex.npos || hex >= "0080")
                    fail("\\u escape that is not ASCII");
                c = static_cast<char>(std::stoi(hex, nullptr, 16)), at += 4;
            } else if (escape != 9) {
                fail("unknown escape");
            }
        }
        out += '"';
    };
    const auto key = [&] { string(), out += next() == ':' ? ':' : fail("expected ':'"); };
    for (;;) {
        const char c = next();  // the first character of a value
        if (c == '{' || c == '[') {
            out += c, open += c;
            if (next() != closer(c)) {
                --at;
                if (c == '{')
                    key();
                continue;
            }
            out += closer(c), open.pop_back();
        } else if (c == '"') {
            --at, string();
        } else {
            const std::size_t end = std::min(text.find_first_of(",]} \t\r\n", --at), text.size());
            if (!std::regex_match(text.begin() + at, text.begin() + end, scalar))
                fail("expected a value");
            out += text.substr(at, end - at), at = end;
        }
        for (;;) {  // after a value: the end, a closing bracket or a comma
            if (open.empty()) {
                if (text.find_first_not_of(" \t\r\n", at) != std::string_view::npos)
                    fail("text after the value");
                return out;
            }
            const char after = next();
            if (after == ',') {
                out += ',';
                if (open.back() == '{')
                    key();
                break;
            }
            out += after == closer(open.back()) ? after : fail("expected ',' or a closing bracket");
            open.pop_back();
        }
    }
}

}  // namespace clitest
