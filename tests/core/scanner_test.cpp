// The reader's byte source (text mode: CR LF arrives as LF) and its two scans.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cdf/ByteScanner.h"

namespace fw {
namespace {

std::string Drain(CdfInput& input)
{
    std::string bytes;
    for (int byte = input.Get(); byte >= 0; byte = input.Get())
        bytes.push_back(static_cast<char>(byte));
    return bytes;
}

struct TextModeCase {
    const char* raw;
    const char* read;
};

TEST(CdfInputTest, TurnsEachCrLfIntoLfAndKeepsLoneCrs)
{
    const TextModeCase cases[] = {
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\rb"},
        {"a\r", "a\r"},           // a CR at the very end stays
        {"\r\r\n", "\r\n"},       // only the CR right before the LF goes
        {"\n\r", "\n\r"},
        {"\r\n\r\n", "\n\n"},
        {"", ""},
    };
    for (const TextModeCase& c : cases) {
        CdfInput input{std::string_view(c.raw)};
        EXPECT_EQ(Drain(input), c.read) << "raw: " << c.raw;
    }
}

TEST(CdfInputTest, StaysAtTheEndOnceReached)
{
    CdfInput input{std::string_view("x\r")};
    EXPECT_EQ(input.Get(), 'x');
    EXPECT_EQ(input.Get(), '\r');
    EXPECT_EQ(input.Get(), -1);
    EXPECT_EQ(input.Get(), -1);
}

TEST(CdfInputTest, GivesBytesAbove127AsPositiveValues)
{
    CdfInput input{std::string_view("\x83\xff")};
    EXPECT_EQ(input.Get(), 0x83);
    EXPECT_EQ(input.Get(), 0xff);
}

TEST(ReadUntilCharTest, DelimiterFirstGivesAnEmptyTextAndTrue)
{
    CdfInput input{std::string_view("<rest")};
    std::string out = "old";
    EXPECT_TRUE(ReadUntilChar(input, out, '<', false));
    EXPECT_EQ(out, "");
    EXPECT_EQ(input.Get(), 'r');  // the delimiter was consumed, nothing more
}

TEST(ReadUntilCharTest, EndOfInputGivesWhatWasCollected)
{
    CdfInput empty{std::string_view("")};
    std::string out = "old";
    EXPECT_FALSE(ReadUntilChar(empty, out, '>', true));
    EXPECT_EQ(out, "");

    CdfInput some{std::string_view("ab c")};
    EXPECT_FALSE(ReadUntilChar(some, out, '>', true));
    EXPECT_EQ(out, "AB C");
    EXPECT_FALSE(ReadUntilChar(some, out, '>', false));
    EXPECT_EQ(out, "");
}

TEST(ReadUntilCharTest, KeepsWhiteSpaceAndLineBreaks)
{
    CdfInput input{std::string_view(" \t a\r\n b  \"tail")};
    std::string out;
    EXPECT_TRUE(ReadUntilChar(input, out, '"', false));
    EXPECT_EQ(out, " \t a\n b  ");
}

// The trail byte of a double-byte character may look like a lower-case letter;
// upper-casing must leave it alone.
TEST(ReadUntilCharTest, UpperCasesSingleByteLettersOnly)
{
    const std::string text = "abc\x83\x61xyz\x82\xa0q>";  // 0x83 0x61 is one character
    CdfInput input{std::string_view(text)};
    std::string out;
    EXPECT_TRUE(ReadUntilChar(input, out, '>', true));
    EXPECT_EQ(out, "ABC\x83\x61XYZ\x82\xa0Q");
}

TEST(ReadUntilCharTest, ScansContinueWhereTheLastReadStopped)
{
    CdfInput input{std::string_view("one=two\"three\"")};
    std::string out;
    EXPECT_TRUE(ReadUntilChar(input, out, '=', false));
    EXPECT_EQ(out, "one");
    EXPECT_EQ(input.Get(), 't');
    EXPECT_TRUE(ReadUntilChar(input, out, '"', false));
    EXPECT_EQ(out, "wo");
    EXPECT_TRUE(ReadUntilChar(input, out, '"', false));
    EXPECT_EQ(out, "three");
}

TEST(ReadUntilAnyTest, ReturnsThePositionOfTheStoppingDelimiter)
{
    CdfInput input{std::string_view(" href=\"x\" Style>")};
    std::string out;
    EXPECT_EQ(ReadUntilAny(input, out, "=>", true), 1);
    EXPECT_EQ(out, " HREF");
    EXPECT_TRUE(ReadUntilChar(input, out, '"', false));
    EXPECT_TRUE(ReadUntilChar(input, out, '"', false));
    EXPECT_EQ(ReadUntilAny(input, out, "=>", true), 2);
    EXPECT_EQ(out, " STYLE");
}

TEST(ReadUntilAnyTest, DelimiterFirstAndEndOfInput)
{
    std::string out = "old";
    CdfInput first{std::string_view("\tX")};
    EXPECT_EQ(ReadUntilAny(first, out, "> \n\t", false), 4);
    EXPECT_EQ(out, "");

    CdfInput none{std::string_view("")};
    EXPECT_EQ(ReadUntilAny(none, out, "=>", false), 0);
    EXPECT_EQ(out, "");

    CdfInput partial{std::string_view("Item\r\nx")};
    EXPECT_EQ(ReadUntilAny(partial, out, ">", true), 0);
    EXPECT_EQ(out, "ITEM\nX");
}

// A line break inside a text reaches the scan as one LF, so "\n" ends a tag
// name written before a CR LF.
TEST(ReadUntilAnyTest, SeesCrLfAsOneLineFeed)
{
    CdfInput input{std::string_view("ITEM\r\nHREF")};
    std::string out;
    EXPECT_EQ(ReadUntilAny(input, out, "> \n\t", false), 3);
    EXPECT_EQ(out, "ITEM");
    EXPECT_EQ(input.Get(), 'H');
}

}  // namespace
}  // namespace fw
