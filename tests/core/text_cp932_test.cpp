// Conversion between the CP932 bytes that members hold and UTF-8, including
// the character references that keep what CP932 cannot hold.

#include <gtest/gtest.h>

#include <string>

#include "text/Cp932.h"
#include "text/Literals.h"

namespace fw {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string cp932;
};

class Cp932RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTrip, ConvertsBothWays)
{
    const RoundTrip& c = GetParam();
    EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    EXPECT_EQ(Cp932ToDisplayUtf8(c.cp932), c.utf8);
}

const RoundTrip kRoundTrips[] = {
    {"Empty", "", ""},
    {"Ascii", "<TITLE>abc</TITLE>\r\n", "<TITLE>abc</TITLE>\r\n"},
    {"Japanese", "新規ページ", std::string(kNewPageTitleSjis)},
    {"TrailByteLetters", "ヂホテプ", "\x83\x61\x83\x7A\x83\x65\x83\x76"},
    {"HalfWidthKatakana", "ｱｲｳﾊﾞｰｼﾞｮﾝ", "\xB1\xB2\xB3\xCA\xDE\xB0\xBC\xDE\xAE\xDD"},
    // Backslash and tilde keep their ASCII bytes, also behind a trail byte 5C.
    {"BackslashAndTilde", "C:\\dir\\~x", "C:\\dir\\~x"},
    {"TrailByte5C", "表\\", "\x95\x5C\\"},
    {"FullWidthSpace", "a　b", "a\x81\x40" "b"},
};

INSTANTIATE_TEST_SUITE_P(Cp932, Cp932RoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const ::testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

TEST(Cp932, CharacterCp932CannotHoldBecomesAReference)
{
    EXPECT_EQ(Utf8ToCp932("a😀b"), "a&#x1F600;b");
    EXPECT_EQ(Utf8ToCp932("é"), "&#xE9;");           // Latin-1, not in CP932
    EXPECT_EQ(Utf8ToCp932("𠮷野家"), "&#x20BB7;\x96\xEC\x89\xC6");  // a rare kanji
    EXPECT_EQ(Utf8ToCp932("😀😀"), "&#x1F600;&#x1F600;");
}

TEST(Cp932, InvalidUtf8BecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp932("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(Utf8ToCp932("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToCp932("x\xE3\x81"), "x?");           // truncated at the end
    EXPECT_EQ(Utf8ToCp932("\xE3\x81" "a"), "?a");         // truncated in the middle
    EXPECT_EQ(Utf8ToCp932("\xF4\x90\x80\x80"), "????");  // above U+10FFFF
}

TEST(Cp932, InvalidCp932BecomesReplacementCharacters)
{
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(Cp932ToUtf8("a\xA0" "b"), "a" + fffd + "b");
    EXPECT_EQ(Cp932ToUtf8("\x85\x40" "z"), fffd + "z");     // undefined pair goes as one
    EXPECT_EQ(Cp932ToUtf8("\x81<a>"), fffd + "<a>");        // lead byte before ASCII: the '<' stays
    EXPECT_EQ(Cp932ToUtf8("ab\x83"), "ab" + fffd);          // lead byte at the very end
    EXPECT_EQ(Cp932ToUtf8("\x83"), fffd);
    EXPECT_EQ(Cp932ToUtf8("\xFD\xFE\xFF"), fffd + fffd + fffd);
}

TEST(Cp932, DisplayTextShowsReferencedCharactersAgain)
{
    const std::string stored = Utf8ToCp932("新規😀ページ");
    EXPECT_EQ(Cp932ToUtf8(stored), "新規&#x1F600;ページ");
    EXPECT_EQ(Cp932ToDisplayUtf8(stored), "新規😀ページ");
    EXPECT_EQ(Utf8ToCp932(Cp932ToDisplayUtf8(stored)), stored);
}

TEST(Cp932, DisplayTextKeepsReferencesThatWereTypedAsText)
{
    const char* kept[] = {
        "&#x41;",          // CP932 holds 'A': the user typed the reference
        "&#x3042;",        // and holds あ
        "&#x1f600;",       // lower-case digits are never written by the conversion
        "&#x01F600;",      // nor leading zeros
        "&#x110000;",      // beyond Unicode
        "&#xD800;",        // a surrogate
        "&#x;",            // no digits
        "&#x1F600",        // no semicolon
        "&#x1234567;",     // too many digits
        "&#X1F600;",       // capital X
        "&&#x41;&",
    };
    for (const char* text : kept) {
        EXPECT_EQ(Cp932ToDisplayUtf8(text), text) << text;
        EXPECT_EQ(Utf8ToCp932(Cp932ToDisplayUtf8(text)), text) << text;
    }
    EXPECT_EQ(Cp932ToDisplayUtf8("&#x41;&#xE9;"), "&#x41;é");
    EXPECT_EQ(Cp932ToDisplayUtf8("&&#x1F600;"), "&😀");
}

TEST(Cp932, LargeTextsWithManyProblemsConvertCompletely)
{
    std::string utf8;
    std::string cp932;
    for (int i = 0; i < 20000; ++i) {
        utf8 += "ア😀\xFF";
        cp932 += "\x83\x41&#x1F600;?";
    }
    EXPECT_EQ(Utf8ToCp932(utf8), cp932);

    std::string display;
    for (int i = 0; i < 20000; ++i)
        display += "ア😀?";
    EXPECT_EQ(Cp932ToDisplayUtf8(cp932), display);
}

}  // namespace
}  // namespace fw
