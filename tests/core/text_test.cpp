// Shift-JIS text held byte-wise: URL normalisation, upper-casing, leading
// integers, and conversion to and from UTF-8.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "channel/Url.h"
#include "text/Cp932.h"
#include "text/Literals.h"
#include "text/SjisText.h"

namespace fw {
namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(SjisText, NormalizeUrlTrimsBlanksAndOneTrailingSlashButKeepsTheDefaultText)
{
    const TextCase cases[] = {
        {" \t http://example.com/ \r\n", "http://example.com"},
        {"\v\f x \v\f", "x"},
        {"http://example.com//", "http://example.com/"},
        {"http://", "http://"},
        {"  HtTp://  ", "HtTp://"},
        {"https://", "https:/"},
        {"", ""},
        {" \t\r\n ", ""},
        {"/", ""},
        // A full-width space is no blank: the slash before it stays.
        {"http://a/\x81\x40", "http://a/\x81\x40"},
        {"\x81\x40http://a/", "\x81\x40http://a"},
    };
    for (const TextCase& c : cases) {
        std::string text = c.input;
        NormalizeUrl(text);
        EXPECT_EQ(text, c.expected) << ::testing::PrintToString(c.input);
    }
}

// ヂ 83 61, ホ 83 7A: trail bytes that read as 'a' and 'z'.
TEST(SjisText, UpperCasingLeavesDoubleByteCharactersWhole)
{
    const TextCase cases[] = {
        {"channel Item-12", "CHANNEL ITEM-12"},
        {"a\x83\x61"
         "b\x83\x7A"
         "c",
         "A\x83\x61"
         "B\x83\x7A"
         "C"},
        {"\xB1\xB2z", "\xB1\xB2Z"},  // half-width katakana are single bytes
        {"\x83\x83"
         "a",
         "\x83\x83"
         "A"},
        {"ab\x83", "AB\x83"},
    };
    for (const TextCase& c : cases) {
        std::string text = c.input;
        MakeUpperSjis(text);
        EXPECT_EQ(text, c.expected) << ::testing::PrintToString(c.input);
    }
}

TEST(SjisText, LeadingIntegerReadsLikeAtoiAndSaturates)
{
    const std::pair<std::string, int> cases[] = {
        {"12", 12},
        {"  \t-7xyz", -7},
        {"+3", 3},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999", INT_MAX},
        {"\x82\x50", 0},  // a full-width digit is no digit
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingInteger(text), value) << text;
}

TEST(Cp932, ConvertsBothWays)
{
    const TextCase cases[] = {
        // UTF-8, CP932
        {"", ""},
        {"<TITLE>abc</TITLE>\r\n", "<TITLE>abc</TITLE>\r\n"},
        {"新規ページ", std::string(kNewPageTitleSjis)},
        {"ヂホ", "\x83\x61\x83\x7A"},
        {"ｱｲｳﾊﾞ", "\xB1\xB2\xB3\xCA\xDE"},
        {"a　b",
         "a\x81\x40"
         "b"},
        {"C:\\dir\\~x", "C:\\dir\\~x"},
        {"表\\", "\x95\x5C\\"},  // backslash and tilde keep their ASCII bytes
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.input), c.expected) << c.input;
        EXPECT_EQ(Cp932ToUtf8(c.expected), c.input);
        EXPECT_EQ(Cp932ToDisplayUtf8(c.expected), c.input);
    }
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters)
{
    const std::string fffd = "\xEF\xBF\xBD";
    const TextCase cases[] = {
        {"a\xA0"
         "b",
         "a" + fffd + "b"},
        {"ab\x83", "ab" + fffd},
        {"\xFD\xFE\xFF", fffd + fffd + fffd},
        {"\x85\x40"
         "z",
         fffd + "z"},               // an undefined pair goes as one
        {"\x81<a>", fffd + "<a>"},  // a lead byte before ASCII: the '<' stays
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Cp932ToUtf8(c.input), c.expected) << ::testing::PrintToString(c.input);
    EXPECT_EQ(Utf8ToCp932("a\xFF"
                          "b\xE3\x81"),
              "a?b?");  // invalid UTF-8
}

// What CP932 cannot hold is kept as a reference and shown as the character
// again; a reference that was typed as text stays text.
TEST(Cp932, CharacterReferencesKeepWhatCp932CannotHold)
{
    const std::string stored = Utf8ToCp932("新規😀é𠮷\U00100000");
    EXPECT_EQ(stored, "\x90\x56\x8B\x4B&#x1F600;&#xE9;&#x20BB7;&#x100000;");
    EXPECT_EQ(Cp932ToUtf8(stored), "新規&#x1F600;&#xE9;&#x20BB7;&#x100000;");
    EXPECT_EQ(Cp932ToDisplayUtf8(stored), "新規😀é𠮷\U00100000");

    const char* typed[] = {"&#x41;",   "&#x3042;", "&#x1f600;", "&#x01F600;", "&#x110000;",
                           "&#xD800;", "&#x;",     "&#x1F600",  "&#X1F600;",  "&&#x41;&"};
    for (const char* text : typed) {
        EXPECT_EQ(Cp932ToDisplayUtf8(text), text);
        EXPECT_EQ(Utf8ToCp932(text), text);
    }
    EXPECT_EQ(Cp932ToDisplayUtf8("&#x41;&&#xE9;"), "&#x41;&é");
}

// Conversion goes in blocks; many problems across many blocks all count.
TEST(Cp932, LargeTextsConvertCompletely)
{
    std::string utf8, cp932, display;
    for (int i = 0; i < 20000; ++i) {
        utf8 += "ア😀\xFF";
        cp932 += "\x83\x41&#x1F600;?";
        display += "ア😀?";
    }
    EXPECT_EQ(Utf8ToCp932(utf8), cp932);
    EXPECT_EQ(Cp932ToDisplayUtf8(cp932), display);
}

}  // namespace
}  // namespace fw
