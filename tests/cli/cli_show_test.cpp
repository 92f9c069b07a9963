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

// A record that keeps content from its file lists what it keeps by name,
// after its own fields; the others have no "kept" at all.
TEST(CliShow, WhatEachRecordKeepsIsListedByName)
{
    const CliResult r = RunCli({"show", fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "kept" / "logging.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* kept :
         {R"("useBaseUrl":true,"kept":["LASTMOD","<!DOCTYPE","<!-- -->","LOG","LOGTARGET"]})",
          R"("stopDate":null,"kept":["TIMEZONE"]})", R"("usage":0,"kept":["LASTMOD","LOGO","LOG"],"children")",
          R"("usage":0,"kept":["LASTMOD","<!-- -->","LOG"],"children")"})
        EXPECT_NE(r.out.find(kept), std::string::npos) << kept;
    EXPECT_EQ(r.out.find(R"("wideLogo":"http://","kept")"), std::string::npos);
}

// Text speaks characters: an ISO-8859-1 file's "é" (held as "&#xE9;", which
// CP932 lacks) and every reference Load keeps come out as the characters, in
// every field; what is no reference ("&bogus;", HTML's "&eacute;", a bare
// "&") stays as written, as Load keeps it.
// The manual page's example, run as it stands, prints the title a person reads.
TEST(CliShow, ReferencesBecomeCharactersAndTheManualsExampleWorks)
{
    const fs::path data = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "show";
    const CliResult r = RunCli({"show", data / "latin1.cdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ReadBytes(data / "latin1.json"));

    const std::string manual = ReadBytes(fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "../../man/feedwright-cdf.1.in");
    const std::size_t at = manual.find("feedwright\\-cdf show news.cdf");
    ASSERT_NE(at, std::string::npos);
    std::string example = manual.substr(at, manual.find('\n', at) - at);
    for (std::size_t dash = example.find("\\-"); dash != std::string::npos; dash = example.find("\\-", dash))
        example.erase(dash, 1);
    const TempDir dir;
    fs::copy_file(data / "latin1.cdf", dir.path / "news.cdf");
    const CliResult title = RunCaptured({"/bin/sh", "-c", "cd \"$1\" && PATH=\"$2:$PATH\" && " + example, "sh",
                                         dir.path.string(), fs::path(FEEDWRIGHT_CDF_BINARY).parent_path().string()});
    EXPECT_EQ(title.out, "Café <>&\"'AB😀 &bogus; &eacute; & end\n") << example << "\n" << title.err;
}
