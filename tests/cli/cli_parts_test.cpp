// Parts of feedwright-cdf tested directly over tables in tests/data: lint's
// judgements of values and the picture sizes it checks logos with, export's
// text and URL resolution, and the page titles of new --from-folder.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "common/CaseFile.h"
#include "export/MarkupText.h"
#include "export/UrlResolve.h"
#include "fromfolder/PageTitle.h"
#include "lint/LintValues.h"
#include "lint/PictureSize.h"
#include "text/Cp932.h"

using namespace clitest;

TEST(CliParts, ValuesAreJudgedAsTheirCasesSay)
{
    using namespace fw::cli::lint;
    for (const auto& c : casefile::Rows("lint/values.txt")) {
        std::string result;
        if (c[0] == "date") {
            if (const std::optional<Date> d = ParseDate(c[1]))
                result = std::to_string(d->year) + "-" + std::to_string(d->month) + "-" + std::to_string(d->day);
        } else if (c[0] == "markup") {
            result = FindAmpersandProblem(c[1], "in T").message;
        } else {
            result = Duration(std::stoll(c[1]));
        }
        EXPECT_EQ(result, c[2]) << c[0] << " " << c[1];
    }
}

TEST(CliParts, PictureSizesOfEachFormat)
{
    const fs::path folder = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "pictures";
    for (const auto& c : casefile::Rows("pictures/sizes.txt")) {
        std::string sizes;
        for (const fw::cli::lint::PictureSize& size : fw::cli::lint::PictureSizes(ReadBytes(folder / c[0])))
            sizes.append(sizes.empty() ? "" : " ")
                .append(std::to_string(size.width))
                .append("x")
                .append(std::to_string(size.height));
        EXPECT_EQ(sizes, c[1]) << c[0];
    }
}

TEST(CliParts, ExportedTextHasItsReferencesResolved)
{
    for (const auto& c : casefile::Rows("export/text.txt"))
        EXPECT_EQ(fw::cli::ChannelTextToUtf8(c[0]), c[1]) << c[0];
}

TEST(CliParts, ReferencesResolveAsRfc3986Says)
{
    for (const auto& c : casefile::Rows("export/rfc3986.txt"))
        EXPECT_EQ(fw::cli::ResolveUrl(c[0], c[1]), c[2]) << c[0] << " + " << c[1];
}

TEST(CliParts, PageTitleIsTheOneABrowserShows)
{
    for (const auto& c : casefile::Rows("from_folder/page_titles.txt"))
        EXPECT_EQ(fw::Cp932ToUtf8(fw::cli::PageTitleCp932(c[0], c.size() > 2 && c[2] == "cut")), c[1]) << c[0];
}
