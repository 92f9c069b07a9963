// Lint tells what Load did from Load itself: over every .cdf file of the
// tests and the fuzz corpus, the names lint says are kept as written are
// exactly those that `show` lists as kept by the loaded records.

#include <gtest/gtest.h>

#include <set>

#include "CliRunner.h"

using namespace clitest;

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// A name up to its first blank or line break (lint's lines end a name at a
// blank), in capitals.
std::string FirstWord(const std::string& name)
{
    return Upper(name.substr(0, name.find_first_of(" \t\r\n")));
}

// A JSON string's text: its escapes, \uXXXX as UTF-8 (no pairs needed here).
std::string JsonUnescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char e = text[++i];
        if (e == 'u' && i + 4 < text.size()) {
            const unsigned c = static_cast<unsigned>(std::stoul(text.substr(i + 1, 4), nullptr, 16));
            i += 4;
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        } else {
            out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        }
    }
    return out;
}

// Lint's printable text: its "\xNN" escapes as the bytes.
std::string PrintableUnescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The names in every "kept" array of show's JSON.
std::set<std::string> ShownKept(const std::string& json)
{
    std::set<std::string> names;
    for (std::size_t at = json.find("\"kept\":["); at != std::string::npos; at = json.find("\"kept\":[", at + 1)) {
        const std::size_t end = json.find(']', at);
        for (std::size_t q = json.find('"', at + 8); q < end; q = json.find('"', q + 1)) {
            std::size_t close = q + 1;
            while (close < end && (json[close] != '"' || json[close - 1] == '\\'))
                ++close;
            names.insert(FirstWord(JsonUnescaped(json.substr(q + 1, close - q - 1))));
            q = close;
        }
    }
    return names;
}

// The names of lint's "... is kept as written" notes.
std::set<std::string> LintedKept(const std::string& out)
{
    static const std::string kSuffix = " is kept as written; Feedwright does not edit it";
    std::set<std::string> names;
    for (std::size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = out.substr(at, end - at);
        const std::size_t note = line.find(": note: ");
        if (note == std::string::npos || !line.ends_with(kSuffix))
            continue;
        // The name, then " of ELEMENT" or " in ELEMENT"; a comment is "<!-- -->".
        std::string what = line.substr(note + 8, line.size() - kSuffix.size() - note - 8);
        names.insert(what.starts_with("<!-- -->") ? "<!--" : FirstWord(PrintableUnescaped(what)));
    }
    return names;
}

}  // namespace

TEST(CliLintAndLoad, KeptContentIsSaidByLintAsShowListsIt)
{
    std::vector<fs::path> files;
    for (const fs::path& root :
         {fs::path(FEEDWRIGHT_TEST_DATA_DIR), fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "../../fuzz"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() == ".cdf")
                files.push_back(entry.path());
        }
    }
    ASSERT_GE(files.size(), 40U);
    std::size_t withKept = 0;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::set<std::string> shown = ShownKept(RunCli({"show", file}).out);
        EXPECT_EQ(LintedKept(RunCli({"lint", file}).out), shown);
        withKept += shown.empty() ? 0 : 1;
    }
    EXPECT_GE(withKept, 10U);
}
