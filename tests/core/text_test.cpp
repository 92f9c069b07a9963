// Shift-JIS text held byte-wise: URL normalisation, upper-casing, leading
// integers, and conversion to and from UTF-8 (cases in
// tests/data/text/conversions.txt).

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "channel/Url.h"
#include "common/CaseFile.h"
#include "text/Cp932.h"
#include "text/SjisText.h"

namespace fw {
namespace {

TEST(SjisText, EachFunctionGivesTheResultItsCasesSay)
{
    using Function = std::function<std::string(std::string)>;
    const std::map<std::string, Function> functions = {
        {"url", [](std::string text) { return NormalizeUrl(text), text; }},
        {"upper", [](std::string text) { return MakeUpperSjis(text), text; }},
        {"integer", [](const std::string& text) { return std::to_string(LeadingInteger(text)); }},
        {"to-cp932", Utf8ToCp932},
        {"to-utf8", Cp932ToUtf8},
        {"display", Cp932ToDisplayUtf8},
    };
    for (const auto& row : casefile::Rows("text/conversions.txt")) {
        SCOPED_TRACE(::testing::PrintToString(row));
        const std::string &function = row.at(0), &input = row.at(1), &result = row.size() > 2 ? row[2] : input;
        if (function == "cp932" || function == "kept") {
            EXPECT_EQ(Utf8ToCp932(input), result);
            EXPECT_EQ(Cp932ToDisplayUtf8(result), input);
            if (function == "cp932") {
                EXPECT_EQ(Cp932ToUtf8(result), input);
            }
        } else {
            EXPECT_EQ(functions.at(function)(input), result);
        }
    }
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
