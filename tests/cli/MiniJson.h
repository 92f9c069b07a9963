#pragma once
// A strict little JSON reader for the tests, for the JSON feedwright-cdf
// writes: integers, and strings whose only escapes are \" \\ and \u00XX for
// control characters. Raw control characters, other escapes and trailing
// text are refused, so badly escaped output fails the tests.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace clitest {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    long long number = 0;
    std::string text;  // UTF-8, escapes decoded
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in document order

    bool IsNull() const { return kind == Kind::Null; }
    // A member by name; throws when it is missing or this is not an object.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
    std::vector<std::string> Keys() const;
};

// Throws std::runtime_error with the offset of the first problem. Nesting
// deeper than maxDepth is refused rather than overflowing the stack.
JsonValue ParseJson(std::string_view text, int maxDepth = 200);

}  // namespace clitest
