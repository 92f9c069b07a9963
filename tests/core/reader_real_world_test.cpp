// Files that other tools might write: element names in any case and
// encodings other than Shift-JIS. Hand-written files are among the reader's
// cases in tests/data/reader/elements.txt.

#include <gtest/gtest.h>

#include <string>

#include "core/core_test_support.h"
#include "text/Cp932.h"
#include "text/FileEncoding.h"

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

std::string Utf16(const std::u16string& text, bool littleEndian)
{
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

// Each rule that decides how a file's bytes are taken, seen in the title it
// gives: 日本 in Shift-JIS is 93 FA 96 7B.
TEST(RealWorldFiles, EachFileIsReadInItsOwnEncoding)
{
    const std::string sjis = "\x93\xFA\x96\x7B", utf8 = "日本";
    const auto doc = [](const std::string& declaration, const std::string& title) {
        return declaration + "\r\n<CHANNEL>\r\n<TITLE>" + title + "</TITLE>\r\n</CHANNEL>\r\n";
    };
    const std::string plain = "<?xml version=\"1.0\"?>";
    const auto declared = [](const std::string& name) { return "<?xml version=\"1.0\" encoding=\"" + name + "\"?>"; };
    const std::u16string utf16 = u"<?xml version=\"1.0\"?>\r\n<CHANNEL>\r\n<TITLE>日本</TITLE>\r\n</CHANNEL>\r\n";
    const struct {
        const char* name;
        std::string file;
        std::string title;
        const char* from;  // what DecodeFileText says it converted from
    } cases[] = {
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + doc(plain, utf8), sjis, "UTF-8"},
        {"UTF-16 LE byte-order mark", Utf16(utf16, true), sjis, "UTF-16LE"},
        {"UTF-16 BE byte-order mark", Utf16(utf16, false), sjis, "UTF-16BE"},
        {"declared UTF-8, in single quotes and capitals", doc("  <?XML version='1.0' ENCODING='Utf-8'?>", utf8), sjis,
         "Utf-8"},
        {"declared EUC-JP", doc(declared("euc-jp"), "\xC6\xFC\xCB\xDC"), sjis, "euc-jp"},
        {"declared ISO-2022-JP", doc(declared("ISO-2022-JP"), "\x1B$BF|K\\\x1B(B"), sjis, "ISO-2022-JP"},
        {"declared ISO-8859-1: what CP932 lacks becomes a reference", doc(declared("iso-8859-1"), "caf\xE9"),
         "caf&#xE9;", "iso-8859-1"},
        {"undeclared UTF-8", doc(plain, utf8 + "\xF0\x9F\x98\x80"), sjis + "&#x1F600;", "UTF-8"},
        {"undeclared Shift-JIS, valid UTF-8 only in its ASCII", doc(plain, sjis), sjis, ""},
        {"declared Shift-JIS although the bytes are UTF-8", doc(declared("Shift_JIS"), utf8), utf8, ""},
        {"declared UTF-8 that the bytes break", doc(declared("UTF-8"), sjis), sjis, ""},
        {"declared EUC-JP that the bytes break", doc(declared("EUC-JP"), "\xC6\xFC\xCB"), "\xC6\xFC\xCB", ""},
        {"an encoding iconv does not know", doc(declared("x-no-such-set"), utf8), utf8, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::DecodeFileText(c.file).convertedFrom, c.from);
        const cdftest::Loaded loaded = cdftest::Load(c.file);
        EXPECT_EQ(loaded.status, ReadStatus::Ok);
        EXPECT_EQ(loaded.channel->head.m_strTitle, c.title);
    }
}

}  // namespace
