// export: a nested channel with relative URLs, references and bare markup
// characters as OPML, HTML and a sitemap, each well-formed for xmllint.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

namespace {

const std::string kNested =
    "<?XML VERSION=\"1.0\" ENCODING=\"UTF-8\"?>\n"
    "<CHANNEL BASE=\"http://s/dir/\" HREF=\"http://s/dir/index.htm\" SELF=\"http://s/dir/c.cdf\">\n"
    "<TITLE>Tom &amp; Jerry</TITLE>\n<ABSTRACT>R & D \"quoted\" > x</ABSTRACT>\n"
    "<CHANNEL HREF=\"sub/\"><TITLE>サブ</TITLE>\n"
    "<ITEM HREF=\"../top.htm#part\"><TITLE>Up &#x1F600;</TITLE><ABSTRACT>1 &lt; 2</ABSTRACT></ITEM>\n"
    "<ITEM HREF=\"sub/a b.htm\"><TITLE>A</TITLE></ITEM>\n</CHANNEL>\n"
    "<CHANNEL><TITLE>No link</TITLE><ITEM HREF=\"mailto:x@y\"><TITLE>Mail</TITLE></ITEM></CHANNEL>\n"
    "<ITEM HREF=\"http://s/dir/sub\"><TITLE></TITLE></ITEM>\n</CHANNEL>\n";

}  // namespace

TEST(CliExport, EachFormatIsWellFormedAndOpmlIsExact)
{
    const TempDir dir;
    const std::string in = dir / "nested.cdf";
    WriteBytes(in, kNested);

    const std::string opml = dir / "nested.opml";
    ASSERT_EQ(RunCli({"export", "--to", "opml", in, opml}).status, 0);
    EXPECT_EQ(XmlProblems(opml), "");
    EXPECT_EQ(ReadBytes(opml),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opml version=\"2.0\">\n<head>\n<title>Tom &amp; Jerry</title>\n"
              "</head>\n<body>\n<outline text=\"Tom &amp; Jerry\" htmlUrl=\"http://s/dir/index.htm\">\n"
              "  <outline text=\"サブ\" htmlUrl=\"http://s/dir/sub\">\n"
              "    <outline text=\"Up 😀\" htmlUrl=\"http://s/top.htm#part\"/>\n"
              "    <outline text=\"A\" htmlUrl=\"http://s/dir/sub/a b.htm\"/>\n  </outline>\n"
              "  <outline text=\"No link\">\n    <outline text=\"Mail\" htmlUrl=\"mailto:x@y\"/>\n  </outline>\n"
              "  <outline text=\"http://s/dir/sub\" htmlUrl=\"http://s/dir/sub\"/>\n</outline>\n</body>\n</opml>\n");
    // Without OUT, the same on standard output.
    EXPECT_EQ(RunCli({"export", "--to=OPML", in}).out, ReadBytes(opml));

    const std::string html = dir / "nested.html";
    ASSERT_EQ(RunCli({"export", "--to", "html", in, html}).status, 0);
    EXPECT_EQ(XmlProblems(html), "");
    const std::string page = ReadBytes(html);
    for (const char* part : {"<meta charset=\"UTF-8\"/>", "<h1><a href=\"http://s/dir/index.htm\">Tom &amp; Jerry</a></h1>\n"
                                                        "<p>R &amp; D \"quoted\" &gt; x</p>\n<ul>\n",
                             "    <li><a href=\"http://s/top.htm#part\">Up 😀</a>\n    <p>1 &lt; 2</p>\n    </li>\n",
                             "  <li>No link\n  <ul>\n"})
        EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;

    // Every distinct web URL once, fragments cut, blanks escaped; the mail
    // address is left out and said so.
    const std::string sitemap = dir / "sitemap.xml";
    const CliResult r = RunCli({"export", "--to", "sitemap", in, sitemap});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "feedwright-cdf: " + in + ": left out of the sitemap, not an absolute http or https URL: mailto:x@y\n");
    EXPECT_EQ(XmlProblems(sitemap), "");
    EXPECT_EQ(ReadBytes(sitemap),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
              "<url><loc>http://s/dir/index.htm</loc></url>\n<url><loc>http://s/dir/sub</loc></url>\n"
              "<url><loc>http://s/top.htm</loc></url>\n<url><loc>http://s/dir/sub/a%20b.htm</loc></url>\n</urlset>\n");
}
