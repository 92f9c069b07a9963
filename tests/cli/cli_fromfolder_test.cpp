// new --from-folder: a generated site becomes the channel the writer writes
// (tests/data/from_folder/site.cdf), one that loads cleanly and passes lint.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

TEST(CliFromFolder, SiteTreeBecomesChannelWithTitlesInTheirEncodings)
{
    const TempDir dir;
    const fs::path site = dir.path / "site";
    for (const char* folder : {"b/c", ".hidden", "images", "empty/deeper"})
        fs::create_directories(site / folder);
    // "ホーム" in Shift-JIS, declared the old way.
    WriteBytes(site / "index.html",
               "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
               "<title>\x83z\x81[\x83\x80</title></head></html>");
    WriteBytes(site / "b/index.htm", "<meta charset='utf-8'><TITLE>\n  ニュース & 一覧 \n</TITLE>");
    WriteBytes(site / "b/c/deep.html", "<title>深い</title>");  // UTF-8 without a declaration
    WriteBytes(site / "a.htm", "no title");
    WriteBytes(site / "my page.html", "<title>My page</title>");
    // References and entities become characters ("&#x263A;" stays a reference:
    // CP932 lacks it); control characters, in a title or a name, never reach
    // the channel.
    WriteBytes(site / "refs.html",
               "<title>Caf&eacute; &lt;b&gt; &amp;amp; \x1B]0;owned\x07 &#x263A;&nbsp;&bogus;</title>");
    WriteBytes(site / "esc\x1B[2J.html", "no title");
    WriteBytes(site / ".secret.html", "<title>hidden</title>");
    WriteBytes(site / ".hidden/x.html", "<title>hidden</title>");
    WriteBytes(site / "images/pic.gif", "GIF89a");
    WriteBytes(dir.path / "outside.html", "<title>outside</title>");
    fs::create_directory(dir.path / "outside");
    WriteBytes(dir.path / "outside/o.html", "<title>outside</title>");
    fs::create_symlink("../outside.html", site / "out.html");
    fs::create_symlink("../outside", site / "linked");

    const std::string out = dir / "site.cdf";
    const CliResult made = RunCli({"new", out, "--from-folder", site.string(), "--url", "http://www.example.jp/site/"});
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(ReadBytes(out), ReadBytes(fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "from_folder" / "site.cdf"));
    EXPECT_EQ(RunCli({"check", out}).out, out + ": ok\n");
    EXPECT_EQ(RunCli({"lint", out}).status, 0);

    for (const char* url : {"http://s/?page=1", "http://s/#top"}) {
        const CliResult query = RunCli({"new", dir / "q.cdf", "--from-folder", site.string(), "--url", url});
        EXPECT_EQ(query.status, 64) << url;
        EXPECT_TRUE(query.err.starts_with("feedwright-cdf: --url " + std::string(url) +
                                          ": the site's address takes no query (?) or fragment (#)"))
            << query.err;
    }

    const CliResult missing = RunCli({"new", out, "--from-folder", dir / "none", "--url", "http://s/"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err,
              "feedwright-cdf: cannot read the folder " + (dir / "none") + " (No such file or directory)\n");
}
