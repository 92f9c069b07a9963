// feedwright-cdf show: the loaded channel as one JSON object.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "JsonOutline.h"

using namespace clitest;

namespace {

// A sitemap node as the outline shows it, up to the opening of its children.
std::string Node(const std::string& label, const std::string& href, const std::string& rest)
{
    return R"({"label":")" + label + R"(","href":")" + href + R"(","title":")" + label + "\"," + rest
           + R"(,"children":[)";
}

}  // namespace

// The worked example with its title holding "チャンネルソ" (the trail byte of
// "ソ" is the backslash byte), every control character but the line ends,
// quotes and a backslash; its abstract two lines and a byte that is not
// CP932; and a schedule whose numbers all differ.
TEST(CliShow, WorkedExampleGivesEveryField)
{
    std::string controls;
    for (char c = 1; c < 0x20; ++c)
        controls += c == '\r' || c == '\n' ? "" : std::string(1, c);
    const std::string titleTail = controls + "\"q\" \\ end";
    std::string example = ReadBytes(kGolden / "worked_example.cdf");
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"Example channel", "\x83\x60\x83\x83\x83\x93\x83\x6C\x83\x8B\x83\x5C" + titleTail},
             {"Pages of the example server", "first\r\nsecond \xA0 end"},
             {"<INTERVALTIME DAY=\"14\"/>", "<INTERVALTIME HOUR=\"8\" MIN=\"15\"/>"},
             {"<EARLIESTTIME HOUR=\"2\"/>", "<EARLIESTTIME DAY=\"3\" HOUR=\"4\" MIN=\"5\"/>"},
             {"<LATESTTIME DAY=\"1\" HOUR=\"3\" MIN=\"30\"/>", "<LATESTTIME DAY=\"2\" HOUR=\"9\" MIN=\"10\"/>"}})
        example = Replaced(example, from, to);
    const TempDir dir;
    WriteBytes(dir / "example.cdf", example);
    const CliResult r = RunCli({"show", dir / "example.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.ends_with("}\n"));

    const std::string title = "チャンネルソ" + titleTail, abstract = "first\nsecond \xEF\xBF\xBD end";
    const std::string page = R"("abstract":"","level":0,"precache":true,"isPage":true,"iconHref":)";
    EXPECT_EQ(JsonOutline(r.out),
              R"({"status":"ok","head":{"homeUrl":"http://server/dir","title":")" + title + R"(","abstract":")"
                  + abstract + R"(","cdfUrl":"http://server/dir/channel.cdf","baseUrl":"http://server/dir/",)"
                  R"("useBaseUrl":true},"logos":{"icon":"http://server/dir/icon.ico",)"
                  R"("logo":"http://server/dir/logo.gif","wideLogo":"http://server/dir/wide.gif"},)"
                  R"("schedule":{"updateUnit":1,"intervalDay":7,"intervalHour":8,"hourSel":6,"intervalMin":15,)"
                  R"("earliestDay":3,"earliestHour":4,"earliestMin":5,"latestDay":2,"latestHour":9,"latestMin":10,)"
                  R"("startDate":[2004,3,9],"stopDate":[2005,10,21]},"sitemap":)"
                  + Node(title, "http://server/dir", R"("abstract":")" + abstract
                         + R"(","level":1,"precache":true,"isPage":false,"iconHref":"http://","usage":0)")
                  + Node("B", "http://", R"("abstract":"","level":2,"precache":false,"isPage":false,)"
                                         R"("iconHref":"http://","usage":0)")
                  + Node("B1", "b1.htm", page + R"("i.ico","usage":2)") + "]}]},"
                  + Node("A", "http://server/a.htm", page + R"("http://","usage":0)") + "]}]}}");
}

// A channel without schedule dates: the dates a cleared schedule holds are
// not the file's and show as null. The printer walks without recursion, so
// a chain 4,000 levels deep prints whole.
TEST(CliShow, DeepChainWithoutDatesPrintsWhole)
{
    constexpr int kDepth = 4000;
    std::string file = "<?XML VERSION=\"1.0\"?>\n", tree;
    const std::string rest = R"("abstract":"","level":0,"precache":true,"isPage":false,"iconHref":"http://",)"
                             R"("usage":0)";
    for (int i = 0; i <= kDepth; ++i) {
        file += "<CHANNEL><TITLE>D" + std::to_string(i) + "</TITLE>\n";
        tree += Node("D" + std::to_string(i), "http://", rest);
    }
    for (int i = 0; i <= kDepth; ++i)
        file += "</CHANNEL>\n", tree += "]}";
    const TempDir dir;
    WriteBytes(dir / "deep.cdf", file);
    const CliResult r = RunCli({"show", dir / "deep.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string outline = JsonOutline(r.out);
    EXPECT_NE(outline.find(R"("startDate":null,"stopDate":null},"sitemap":)"), std::string::npos);
    EXPECT_TRUE(outline.ends_with("\"sitemap\":" + tree + "}"));
}

// A file in another encoding is shown as the window would show it.
TEST(CliShow, FileInAnotherEncodingPrintsItsText)
{
    const CliResult r = RunCli({"show", kGolden.parent_path() / "other_tools" / "euc_jp_lower_case.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("title":"太郎の日記")"), std::string::npos) << r.out;
}
