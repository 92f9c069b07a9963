#pragma once
// A small streaming JSON writer: compact output, strings escaped, buffered
// and written to a stdio stream in large blocks. Commas are placed by the
// writer, so callers only say what comes next.

#include <cstdio>
#include <string>
#include <string_view>

namespace fw::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : m_out(out) {}
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the open object.
    void Key(std::string_view name);

    void String(std::string_view utf8);
    // Text held as CP932 bytes, written as UTF-8 with the references it
    // holds ("&amp;", "&#xE9;") as their characters; invalid bytes become U+FFFD.
    void Cp932String(std::string_view cp932);
    void Number(long long value);
    void Bool(bool value);
    void Null();

    // Ends the document with a line feed and flushes. False when any write failed.
    bool Finish();

private:
    void Separate();
    void Raw(std::string_view text);
    void AppendEscaped(std::string_view utf8);
    void FlushIfLarge();
    void Flush();

    std::FILE* m_out;
    std::string m_buffer;
    bool m_atStart = true;  // just after an opening bracket or a key: no comma due
    bool m_failed = false;
};

}  // namespace fw::cli
