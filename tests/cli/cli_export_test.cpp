// export: a nested channel with relative URLs, references and bare markup
// characters (tests/data/export/nested.cdf) as OPML, HTML and a sitemap,
// each well-formed for xmllint, the OPML and the sitemap byte for byte.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

TEST(CliExport, EachFormatIsWellFormedAndOpmlAndSitemapAreExact)
{
    const fs::path data = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "export";
    const std::string in = data / "nested.cdf";
    const TempDir dir;

    const std::string opml = dir / "nested.opml";
    ASSERT_EQ(RunCli({"export", "--to", "opml", in, opml}).status, 0);
    EXPECT_EQ(XmlProblems(opml), "");
    EXPECT_EQ(ReadBytes(opml), ReadBytes(data / "nested.opml"));
    // Without OUT, the same on standard output.
    EXPECT_EQ(RunCli({"export", "--to=OPML", in}).out, ReadBytes(opml));

    const std::string html = dir / "nested.html";
    ASSERT_EQ(RunCli({"export", "--to", "html", in, html}).status, 0);
    EXPECT_EQ(XmlProblems(html), "");
    const std::string page = ReadBytes(html);
    for (const char* part : {"<meta charset=\"UTF-8\"/>",
                             "<h1><a href=\"http://s/dir/index.htm\">Tom &amp; Jerry</a></h1>\n"
                             "<p>R &amp; D \"quoted\" &gt; x</p>\n<ul>\n",
                             "    <li><a href=\"http://s/top.htm#part\">Up 😀</a>\n    <p>1 &lt; 2</p>\n    </li>\n",
                             "  <li>No link\n  <ul>\n"})
        EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;

    // Every distinct web URL once, fragments cut, blanks escaped; the mail
    // address is left out and said so.
    const std::string sitemap = dir / "sitemap.xml";
    const CliResult r = RunCli({"export", "--to", "sitemap", in, sitemap});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "feedwright-cdf: " + in + ": left out of the sitemap, not an absolute http or https URL: mailto:x@y\n");
    EXPECT_EQ(XmlProblems(sitemap), "");
    EXPECT_EQ(ReadBytes(sitemap), ReadBytes(data / "sitemap.xml"));
}
