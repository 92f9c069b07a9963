// Byte-wise Shift-JIS text: URL normalisation, upper-casing, fixed-word
// comparison and the leading integer of a text.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/SjisText.h"

namespace fw {
namespace {

struct NormalizeCase {
    const char* name;
    std::string input;
    std::string expected;
};

class NormalizeUrlTable : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeUrlTable, NormalizesInPlace)
{
    std::string text = GetParam().input;
    NormalizeUrl(text);
    EXPECT_EQ(text, GetParam().expected);
}

const NormalizeCase kNormalizeCases[] = {
    {"BlanksAndSlash", " \t http://example.com/ \r\n", "http://example.com"},
    {"EveryBlankKind", "\t\n\v\f\r x \t\n\v\f\r", "x"},
    {"OnlyOneOfTwoSlashes", "http://example.com//", "http://example.com/"},
    {"DefaultKept", "http://", "http://"},
    {"DefaultCapitalsKept", "HTTP://", "HTTP://"},
    {"DefaultMixedCaseWithBlanksKept", "  HtTp://  ", "HtTp://"},
    {"SecureSchemeLosesSlash", "https://", "https:/"},
    {"Empty", "", ""},
    {"OnlyBlanks", " \t\r\n ", ""},
    {"LoneSlash", "/", ""},
    {"NoSlash", "http://example.com/a.htm", "http://example.com/a.htm"},
    // A full-width space is not white space, so the slash before it stays.
    {"SlashThenFullWidthSpace", "http://example.com/\x81\x40", "http://example.com/\x81\x40"},
    {"FullWidthSpaceAtStartKept", "\x81\x40http://a/", "\x81\x40http://a"},
};

INSTANTIATE_TEST_SUITE_P(SjisText, NormalizeUrlTable, ::testing::ValuesIn(kNormalizeCases),
                         [](const ::testing::TestParamInfo<NormalizeCase>& info) { return info.param.name; });

TEST(SjisText, TrimLeavesInnerBlanksAndDoubleByteCharacters)
{
    std::string text = " \x81\x40 a b \x81\x40\t";
    TrimSingleByteWhiteSpace(text);
    EXPECT_EQ(text, "\x81\x40 a b \x81\x40");
}

struct UpperCase {
    const char* name;
    std::string input;
    std::string expected;
};

class UpperSjisTable : public ::testing::TestWithParam<UpperCase> {};

TEST_P(UpperSjisTable, UpperCasesSingleByteLettersOnly)
{
    std::string text = GetParam().input;
    MakeUpperSjis(text);
    EXPECT_EQ(text, GetParam().expected);
}

// ヂ is 83 61, ホ 83 7A, テ 83 65, プ 83 76: trail bytes that read as a, z, e, v.
const UpperCase kUpperCases[] = {
    {"Ascii", "channel Item-12 xyz", "CHANNEL ITEM-12 XYZ"},
    {"TrailBytesThatLookLikeLetters", "\x83\x61\x83\x7A\x83\x65\x83\x76", "\x83\x61\x83\x7A\x83\x65\x83\x76"},
    {"MixedText", "a\x83\x61" "b\x83\x7A" "c", "A\x83\x61" "B\x83\x7A" "C"},
    {"HalfWidthKatakanaUntouched", "\xB1\xB2z", "\xB1\xB2Z"},
    {"LeadByteAtTheEnd", "ab\x83", "AB\x83"},
    {"TwoLeadBytesInARow", "\x83\x83" "a", "\x83\x83" "A"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(SjisText, UpperSjisTable, ::testing::ValuesIn(kUpperCases),
                         [](const ::testing::TestParamInfo<UpperCase>& info) { return info.param.name; });

TEST(SjisText, EqualsAsciiNoCaseComparesLettersOnlyWithoutCase)
{
    EXPECT_TRUE(EqualsAsciiNoCase("cdf", "CDF"));
    EXPECT_TRUE(EqualsAsciiNoCase("No", "NO"));
    EXPECT_TRUE(EqualsAsciiNoCase("", ""));
    EXPECT_FALSE(EqualsAsciiNoCase("CDFX", "CDF"));
    EXPECT_FALSE(EqualsAsciiNoCase("CD", "CDF"));
    // '@' and '`' sit next to the letters but are not letters.
    EXPECT_FALSE(EqualsAsciiNoCase("@", "`"));
    EXPECT_FALSE(EqualsAsciiNoCase("\x83\x61", "\x83\x41"));
}

struct IntegerCase {
    std::string text;
    int expected;
};

TEST(SjisText, LeadingIntegerReadsLikeAtoiAndSaturates)
{
    const IntegerCase cases[] = {
        {"12", 12},
        {"  \t-7xyz", -7},
        {"+3", 3},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999999", INT_MAX},
        {"-99999999999999999999999999", INT_MIN},
        {"\x82\x50", 0},  // a full-width digit is no digit
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(LeadingInteger(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace fw
