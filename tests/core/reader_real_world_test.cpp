// Files that other tools might write: every golden file with its element
// and attribute names in lower case and capitalised. Hand-written files and
// other encodings are among the reader's cases in tests/data/reader/.

#include <gtest/gtest.h>

#include <string>

#include "core/core_test_support.h"

namespace {

using fw::ReadStatus;

// Tag and attribute names as another tool might spell them: every letter of a
// name folded by `fold`; texts and values stay as they are.
std::string RespellNames(const std::string& file, char (*fold)(char, bool first))
{
    std::string out;
    bool inTag = false, inValue = false, first = false;
    char quote = 0;
    for (const char byte : file) {
        if (inValue) {
            inValue = byte != quote;
        } else if (byte == '<') {
            inTag = first = true;
        } else if (byte == '>') {
            inTag = false;
        } else if (inTag && (byte == '"' || byte == '\'')) {
            inValue = true;
            quote = byte;
        } else if (inTag && ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'))) {
            out += fold(byte, first);
            first = false;
            continue;
        } else if (inTag) {
            first = byte == ' ' || byte == '\n' || byte == '/';
        }
        out += byte;
    }
    return out;
}

char Lower(char byte, bool) { return static_cast<char>(byte | 0x20); }
char Capitalised(char byte, bool first) { return static_cast<char>(first ? byte & ~0x20 : byte | 0x20); }

TEST(RealWorldFiles, NamesInAnyCaseReadLikeUpperCase)
{
    for (const cdftest::GoldenCase& golden : cdftest::GoldenCases()) {
        SCOPED_TRACE(golden.file);
        const std::string file = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/" + golden.file);
        const cdftest::Loaded upper = cdftest::Load(file);
        for (auto fold : {Lower, Capitalised}) {
            const std::string respelled = RespellNames(file, fold);
            ASSERT_NE(respelled, file);
            const cdftest::Loaded loaded = cdftest::Load(respelled);
            EXPECT_EQ(loaded.status, upper.status);
            EXPECT_TRUE(cdftest::SameChannel(*loaded.channel, *upper.channel));
        }
    }
}

}  // namespace
