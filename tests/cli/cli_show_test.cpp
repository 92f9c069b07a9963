// feedwright-cdf show: the loaded channel as one JSON object.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

namespace {

// A sitemap node as show prints it, up to the opening of its children.
std::string Node(const std::string& label, const std::string& href, const std::string& rest)
{
    return R"({"label":")" + label + R"(","href":")" + href + R"(","title":")" + label + "\"," + rest +
        R"(,"children":[)";
}

}  // namespace

// The worked example with its title holding "チャンネルソ" (the trail byte of
// "ソ" is the backslash byte), every control character but the line ends,
// quotes and a backslash; its abstract two lines and a byte that is not
// CP932; and a schedule whose numbers all differ: tests/data/show/.
TEST(CliShow, EveryFieldIsShown)
{
    const fs::path data = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "show";
    const CliResult r = RunCli({"show", data / "every_field.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, ReadBytes(data / "every_field.json"));
}

// A channel with a stop date only: the start date a cleared schedule holds
// is not the file's and shows as null. The printer walks without recursion,
// so a chain 4,000 levels deep prints whole.
TEST(CliShow, DeepChainWithoutDatesPrintsWhole)
{
    constexpr int kDepth = 4000;
    std::string file = "<?XML VERSION=\"1.0\"?>\n", tree;
    const std::string rest = R"("abstract":"","level":0,"precache":true,"isPage":false,"iconHref":"http://",)"
                             R"("usage":0)";
    for (int i = 0; i <= kDepth; ++i) {
        // Appended, not "D" + to_string(i): g++ 12 at -O3 warns falsely of an
        // overlapping copy in that insert at the front (-Wrestrict).
        const std::string label = std::string("D").append(std::to_string(i));
        file += "<CHANNEL><TITLE>" + label + "</TITLE>\n";
        if (i == 0)
            file += "<SCHEDULE STOPDATE=\"2005-10-21\"></SCHEDULE>\n";
        tree += Node(label, "http://", rest);
    }
    for (int i = 0; i <= kDepth; ++i)
        file += "</CHANNEL>\n", tree += "]}";
    const TempDir dir;
    WriteBytes(dir / "deep.cdf", file);
    const CliResult r = RunCli({"show", dir / "deep.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("startDate":null,"stopDate":[2005,10,21]},"sitemap":)"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\"sitemap\":" + tree + "}\n"));
}
