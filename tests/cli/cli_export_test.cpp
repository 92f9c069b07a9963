// export: a nested channel with relative URLs, references and bare markup
// characters (tests/data/export/nested.cdf) as OPML, HTML and a sitemap,
// each well-formed for xmllint, the OPML and the sitemap byte for byte;
// links a browser would run; a sitemap over sitemaps.org's limit; and the
// safe save's promises kept by export too.

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

    // Every distinct web URL once, fragments cut, blanks escaped and said so;
    // the mail address is left out and said so.
    const std::string sitemap = dir / "sitemap.xml";
    const CliResult r = RunCli({"export", "--to", "sitemap", in, sitemap});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "feedwright-cdf: " + in +
                  ": left out of the sitemap, not an absolute http or https URL: mailto:x@y\n"
                  "feedwright-cdf: " +
                  in + ": not a valid URL as written, percent-encoded in the sitemap: " + "http://s/dir/sub/a b.htm\n");
    EXPECT_EQ(XmlProblems(sitemap), "");
    EXPECT_EQ(ReadBytes(sitemap), ReadBytes(data / "sitemap.xml"));
}

// Only http, https, ftp and relative links become links, judged as a browser
// reads them: after references, tabs and a "javascript:" BASE. The rest are
// shown as text and named on standard error (tests/data/export/hostile.*).
TEST(CliExport, LinksABrowserWouldRunAreShownAsText)
{
    const fs::path data = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "export";
    const std::string in = data / "hostile.cdf";
    const CliResult html = RunCli({"export", "--to", "html", in});
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.out, ReadBytes(data / "hostile.html"));
    const std::string said = "feedwright-cdf: " + in +
        ": shown as text, not as a link, not an http, https, ftp or "
        "relative URL: ";
    EXPECT_EQ(html.err,
              said + "JaVaScRiPt:alert(1)\n" + said + "javascript:alert(2)\n" + said + "java\\x09script:alert(3)\n" +
                  said + "data:text/html,<script>\n" + said + "vbscript:msgbox\n");
    const CliResult opml = RunCli({"export", "--to", "opml", in});
    EXPECT_EQ(opml.err, html.err);
    for (const char* part : {"<outline text=\"Links javascript: &amp; co\" type=\"link\" url=\"index.htm\">",
                             "<outline text=\"Reference (javascript:alert(2))\"/>",
                             "<outline text=\"Relative\" type=\"link\" url=\"page.htm\"/>"})
        EXPECT_NE(opml.out.find(part), std::string::npos) << part << "\n" << opml.out;
}

// More than 50,000 URLs: numbered files of at most 50,000 and OUT as the
// index naming them under BASE. A URL with a host no URL may have is left
// out and said so. Standard output cannot take several files.
TEST(CliExport, SitemapOverTheLimitBecomesAnIndexOfNumberedFiles)
{
    const TempDir dir;
    std::string file =
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL BASE=\"http://s/\" HREF=\"http://s/\">\n"
        "<ITEM HREF=\"http://<your server>/x.htm\"></ITEM>\n";
    for (int i = 1; i <= 50001; ++i)  // with the channel's own URL, 50,002
        file += "<ITEM HREF=\"p" + std::to_string(i) + ".htm\"></ITEM>\n";
    WriteBytes(dir / "big.cdf", file + "</CHANNEL>\n");
    const CliResult r = RunCli({"export", "--to", "sitemap", dir / "big.cdf", dir / "sitemap.xml"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "feedwright-cdf: " + (dir / "big.cdf") +
                  ": left out of the sitemap, not a valid URL (its host): http://<your server>/x.htm\n");
    EXPECT_EQ(Names(dir.path), (std::vector<std::string>{"big.cdf", "sitemap-1.xml", "sitemap-2.xml", "sitemap.xml"}));
    EXPECT_EQ(ReadBytes(dir / "sitemap.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
              "<sitemap><loc>http://s/sitemap-1.xml</loc></sitemap>\n"
              "<sitemap><loc>http://s/sitemap-2.xml</loc></sitemap>\n</sitemapindex>\n");
    const std::string first = ReadBytes(dir / "sitemap-1.xml");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 50003);
    EXPECT_TRUE(first.ends_with("<url><loc>http://s/p49999.htm</loc></url>\n</urlset>\n"));
    EXPECT_TRUE(ReadBytes(dir / "sitemap-2.xml")
                    .ends_with("<urlset xmlns=\"http://www.sitemaps.org/schemas/"
                               "sitemap/0.9\">\n<url><loc>http://s/p50000.htm</loc></url>\n"
                               "<url><loc>http://s/p50001.htm</loc></url>\n</urlset>\n"));
    for (const char* name : {"sitemap.xml", "sitemap-1.xml", "sitemap-2.xml"})
        EXPECT_EQ(XmlProblems(dir / name), "") << name;
    EXPECT_EQ(RunCli({"export", "--to", "sitemap", dir / "big.cdf"}).status, 4);
}

// Export writes through the core's safe save: over a file-size limit or on
// a full file system it fails cleanly (no signal, no debris, OUT as it was);
// a linked OUT stays a link; OUT may not be the input itself.
TEST(CliExport, SavesAsSafelyAsCreate)
{
    const TempDir dir;
    const std::string in = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "export" / "nested.cdf";
    WriteBytes(dir / "old.html", "earlier");
    const CliResult limited = RunCli({"export", "--to", "html", in, dir / "old.html"}, "ulimit -f 1; ");
    EXPECT_EQ(limited.status, 4);
    EXPECT_NE(limited.err.find("would not fit"), std::string::npos) << limited.err;
    EXPECT_EQ(ReadBytes(dir / "old.html"), "earlier");

    fs::create_symlink("old.html", dir.path / "link.html");
    EXPECT_EQ(RunCli({"export", "--to", "html", in, dir / "link.html"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.path / "link.html"));
    EXPECT_NE(ReadBytes(dir / "old.html"), "earlier");

    WriteBytes(dir / "own.cdf", ReadBytes(in));
    fs::create_symlink("own.cdf", dir.path / "own-link.cdf");
    for (const char* out : {"own.cdf", "own-link.cdf"}) {
        const CliResult own = RunCli({"export", "--to", "html", dir / "own.cdf", dir / out});
        EXPECT_EQ(own.status, 4);
        EXPECT_EQ(own.err,
                  "feedwright-cdf: cannot write " + (dir / out) + ": it is " + (dir / "own.cdf") +
                      ", the file being exported; it is left as it was\n");
    }
    EXPECT_EQ(ReadBytes(dir / "own.cdf"), ReadBytes(in));
    EXPECT_EQ(Names(dir.path), (std::vector<std::string>{"link.html", "old.html", "own-link.cdf", "own.cdf"}));

    fs::create_directory(dir.path / "small");
    if (RunCaptured({"mount", "-t", "tmpfs", "-o", "size=16k", "tmpfs", dir / "small"}).status != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    std::string many = "<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"http://s/\">\n";
    for (int i = 0; i < 2000; ++i)
        many += "<ITEM HREF=\"page" + std::to_string(i) + ".htm\"></ITEM>\n";
    WriteBytes(dir / "many.cdf", many + "</CHANNEL>\n");
    const CliResult full = RunCli({"export", "--to", "opml", dir / "many.cdf", dir / "small/out.opml"});
    RunCaptured({"umount", dir / "small"});
    EXPECT_EQ(full.status, 4);
    EXPECT_NE(full.err.find("would not fit"), std::string::npos) << full.err;
}
