// Channels written by other tools keep what Feedwright does not edit: each
// sample of the time in tests/data/kept loads into the records its line in
// cases.txt gives (where each kept piece went included), writes as its
// ".written" file, and that file reads back into the same channel and writes
// its own bytes again. Editing, copying and clearing keep it with its owner.

#include <gtest/gtest.h>

#include <string>

#include "common/CaseFile.h"
#include "core/core_test_support.h"
#include "text/Cp932.h"

namespace {

TEST(KeptContent, SamplesOfTheTimeSurviveLoadAndCreateWhole)
{
    const auto rows = casefile::Rows("kept/cases.txt");
    ASSERT_GE(rows.size(), 5U);
    for (const auto& row : rows) {
        const std::string& file = row.at(0);
        SCOPED_TRACE(file);
        const cdftest::Loaded loaded = cdftest::Load(cdftest::ReadFileBytes(FEEDWRIGHT_TEST_DATA_DIR "/kept/" + file));
        EXPECT_EQ(loaded.status, fw::ReadStatus::Ok);
        std::string records = row.at(1);  // the outline of the site map follows a " | " of its own
        for (std::size_t i = 2; i < row.size(); ++i)
            records += " | " + row[i];
        EXPECT_EQ(fw::Cp932ToUtf8(cdftest::Describe(*loaded.channel)), records);
        const std::string written = cdftest::Written(*loaded.channel);
        EXPECT_EQ(written, cdftest::ReadFileBytes(FEEDWRIGHT_TEST_DATA_DIR "/kept/" + file + ".written"));
        cdftest::MirrorHeadInRoot(*loaded.channel);  // the root follows the head as the window keeps it
        const cdftest::Loaded again = cdftest::Load(written);
        EXPECT_TRUE(cdftest::SameChannel(*again.channel, *loaded.channel));
        EXPECT_EQ(cdftest::Written(*again.channel), written) << "the second write differs";
    }
}

}  // namespace
