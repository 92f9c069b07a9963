// Each golden file is the byte-exact written form of a channel built in code.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "core/channel_builders.h"

namespace {

// Where two byte strings first differ, with the line around it made visible.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const std::size_t at = static_cast<std::size_t>(mismatch.first - expected.begin());
    const auto visible = [at](const std::string& text) {
        const std::size_t from = text.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t begin = from == std::string::npos ? 0 : from + 1;
        std::string shown;
        for (std::size_t i = begin; i < text.size() && i < begin + 120; ++i) {
            const char c = text[i];
            shown += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
            if (c == '\n')
                break;
        }
        return shown;
    };
    return "first difference at byte " + std::to_string(at) + "\n  expected: " + visible(expected) +
           "\n  actual:   " + visible(actual);
}

bool HasOnlyCrLfLineEnds(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return true;
}

TEST(WriterGolden, EachGoldenFileIsTheExactWrittenFormOfItsChannel)
{
    for (const cdftest::GoldenCase& golden : cdftest::GoldenCases()) {
        SCOPED_TRACE(golden.file);
        const std::string expected = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/" + golden.file);
        ASSERT_FALSE(expected.empty()) << "missing golden file";
        // A checkout that converted line ends would make every comparison meaningless.
        ASSERT_TRUE(HasOnlyCrLfLineEnds(expected)) << "golden file lost its CR LF line ends";

        fw::Channel channel;
        golden.build(channel);
        fw::StringSink first;
        ASSERT_TRUE(fw::WriteCdf(channel, first));
        EXPECT_TRUE(first.Bytes() == expected) << FirstDifference(expected, first.Bytes());
        EXPECT_EQ(fw::g_nItemDepth, 0);

        // The builders hold members as writing leaves them, so a second write
        // (after the in-place normalisations) is the same.
        fw::StringSink second;
        ASSERT_TRUE(fw::WriteCdf(channel, second));
        EXPECT_TRUE(second.Bytes() == expected) << FirstDifference(expected, second.Bytes());
    }
}

TEST(WriterGolden, EveryFileInTheGoldenFolderHasItsChannel)
{
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cdftest::GoldenDir())) {
        if (entry.path().extension() != ".cdf")
            continue;
        ++files;
        const std::string name = entry.path().filename().string();
        const auto& cases = cdftest::GoldenCases();
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(),
                                [&](const cdftest::GoldenCase& golden) { return name == golden.file; }))
            << name << " is not checked by any test";
    }
    EXPECT_EQ(files, cdftest::GoldenCases().size());
}

}  // namespace
