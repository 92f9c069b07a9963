// Feeds: new --from-feed and refresh turn RSS and Atom into channels
// (tests/data/feeds, one table), hostile feeds are refused without writing,
// and export --to rss|atom is read back by python3-feedparser.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "common/CaseFile.h"

using namespace clitest;

namespace {

const fs::path kFeeds = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "feeds";

std::string InFeeds()
{
    return "cd '" + kFeeds.string() + "'; ";
}

std::string Replaced(std::string text, const std::string& name, const std::string& value)
{
    for (std::size_t at = 0; (at = text.find(name, at)) != std::string::npos; at += value.size())
        text.replace(at, name.size(), value);
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

}  // namespace

// The cases of tests/data/feeds/cases.txt, each checked whole.
TEST(CliFeeds, FeedsBecomeTheirExpectedChannels)
{
    const TempDir dir;
    std::size_t cases = 0;
    for (const std::vector<std::string>& row : casefile::Rows("feeds/cases.txt")) {
        ASSERT_EQ(row.size(), 4u);
        SCOPED_TRACE(row[0] + " " + row[1]);
        ++cases;
        const bool fromInput = row[0].starts_with("< ");
        const std::string feed = fromInput ? row[0].substr(2) : row[0];
        const std::string out = dir / row[2];
        std::vector<std::string> args{"new", out, "--from-feed", fromInput ? "-" : feed};
        for (const std::string& word : Words(row[1] == "-" ? "" : row[1]))
            args.push_back(word);
        const CliResult made = RunCli(args, InFeeds() + (fromInput ? "exec <'" + feed + "'; " : ""));
        EXPECT_EQ(made.status, 0);
        EXPECT_EQ(made.err, Replaced(row[3], "{FEED}", "feedwright-cdf: " + feed));
        EXPECT_EQ(ReadBytes(out), ReadBytes(kFeeds / "expected" / row[2]));
        EXPECT_EQ(RunCli({"check", out}).out, out + ": ok\n");
    }
    EXPECT_EQ(cases, 8u);
}

// tests/data/feeds/hostile.txt: refused quickly, an earlier OUT kept.
TEST(CliFeeds, HostileAndBrokenFeedsWriteNothingAndExit3)
{
    const TempDir dir;
    const std::string out = dir / "kept.cdf";
    for (const std::vector<std::string>& row : casefile::Rows("feeds/hostile.txt")) {
        ASSERT_EQ(row.size(), 3u);
        SCOPED_TRACE(row[0]);
        WriteBytes(out, "earlier");
        const CliResult r = RunCli({"new", out, "--from-feed", row[0]}, InFeeds());
        EXPECT_EQ(r.status, std::stoi(row[1]));
        EXPECT_EQ(r.err, "feedwright-cdf: " + row[0] + row[2]);
        EXPECT_EQ(ReadBytes(out), "earlier");
        const CliResult refreshed = RunCli({"refresh", out, "--from-feed", row[0]}, InFeeds());
        EXPECT_EQ(refreshed.status, std::stoi(row[1]));
        EXPECT_EQ(ReadBytes(out), "earlier");
    }
}

TEST(CliFeeds, AFeedsOwnEntitiesAreNeverExpandedNorFilesRead)
{
    const TempDir dir;
    const CliResult r = RunCli({"new", dir / "x.cdf", "--from-feed", "external_entity.xml"}, InFeeds());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "feedwright-cdf: external_entity.xml:3: warning: the entity &secret; is not expanded (a feed's own "
              "entities never are); left out\n"
              "feedwright-cdf: external_entity.xml:3: warning: the entity &own; is not expanded (a feed's own "
              "entities never are); left out\n");
    EXPECT_NE(ReadBytes(dir / "x.cdf").find("<TITLE>Before after</TITLE>"), std::string::npos);
}

TEST(CliFeeds, TenMegabytesOfItemsAreReadWhole)
{
    const TempDir dir;
    std::string feed =
        "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Big</title>"
        "<link>http://big.example.com/</link>\n";
    std::size_t items = 0;
    while (feed.size() < 10 * 1024 * 1024) {
        const std::string n = std::to_string(++items);
        feed += "<item><title>Item " + n + "</title><link>http://big.example.com/" + n +
            "</link><description>&lt;p&gt;Some &lt;b&gt;text&lt;/b&gt; for item " + n +
            "&lt;/p&gt;</description><pubDate>Mon, 03 Jun 2024 07:00:00 GMT</pubDate></item>\n";
    }
    feed += "</channel></rss>\n";
    WriteBytes(dir / "big.xml", feed);
    const CliResult all = RunCli({"new", dir / "big.cdf", "--from-feed", dir / "big.xml"});
    EXPECT_EQ(all.status, 0);
    const std::string channel = ReadBytes(dir / "big.cdf");
    std::size_t written = 0;
    for (std::size_t at = 0; (at = channel.find("<ITEM ", at)) != std::string::npos; ++at)
        ++written;
    EXPECT_EQ(written, items);
    EXPECT_NE(channel.find("<TITLE>Item " + std::to_string(items) + "</TITLE>"), std::string::npos);
}

TEST(CliFeeds, RefreshReplacesTopLevelPagesAndKeepsTheRest)
{
    const TempDir dir;
    const std::string channel = dir / "radio.cdf";
    WriteBytes(channel, ReadBytes(kFeeds / "refresh_before.cdf"));
    // From standard input, as a cron job pipes it in.
    const CliResult r = RunCli({"refresh", channel, "--from-feed", "-"}, InFeeds() + "exec <podcast.xml; ");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ReadBytes(channel), ReadBytes(kFeeds / "expected" / "refresh_after.cdf"));

    // A channel that does not load cleanly is left for its author.
    WriteBytes(channel, "<CHANNEL HREF=\"http://x/\"><ITEM></CHANNEL>");
    const CliResult broken = RunCli({"refresh", channel, "--from-feed", "podcast.xml"}, InFeeds());
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(ReadBytes(channel), "<CHANNEL HREF=\"http://x/\"><ITEM></CHANNEL>");
}

// Every golden channel as RSS and as Atom: well-formed, and what
// python3-feedparser reads from it is what the channel holds.
TEST(CliFeeds, ExportedFeedsReadBackInFeedparser)
{
    const TempDir dir;
    const std::string script = (fs::path(FEEDWRIGHT_TEST_SOURCE_DIR) / "cli" / "feed_readback.py").string();
    for (const auto& entry : fs::directory_iterator(kGolden)) {
        const std::string golden = entry.path().string();
        const CliResult shown = RunCli({"show", golden});
        WriteBytes(dir / "show.json", shown.out);
        for (const char* format : {"rss", "atom"}) {
            SCOPED_TRACE(golden + " " + format);
            const std::string out = dir / (std::string("feed.") + format);
            const CliResult r = RunCli({"export", "--to", format, golden, out});
            EXPECT_EQ(r.status, shown.status);
            EXPECT_EQ(XmlProblems(out), "");
            const CliResult read = RunCaptured({"/usr/bin/python3", script, out, dir / "show.json"});
            EXPECT_EQ(read.status, 0);
            EXPECT_EQ(read.out + read.err, "");
        }
    }
    // Dates come from LASTMOD, so the same channel gives the same feed.
    const std::string dated = (kFeeds / "expected" / "blog_rss2.cdf").string();
    const std::string atom = RunCli({"export", "--to", "atom", dated}).out;
    EXPECT_NE(atom.find("<updated>2024-05-14T16:05:00Z</updated>"), std::string::npos) << atom;
    EXPECT_EQ(RunCli({"export", "--to", "atom", dated}).out, atom);
}
