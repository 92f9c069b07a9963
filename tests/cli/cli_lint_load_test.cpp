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
            std::string name;
            for (std::size_t i = q + 1; i < close; ++i)
                name += json[i] == '\\' && i + 1 < close ? json[++i] : json[i];  // \" and \\ only
            names.insert(Upper(name));
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
        what.resize(what.starts_with("<!-- -->") ? 8 : std::min(what.size(), what.find(' ')));
        names.insert(Upper(what));
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
