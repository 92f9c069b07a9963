// What the writer writes, the reader reads back into the same channel, and
// writing that again gives the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "cdf/CdfWriter.h"
#include "core/channel_builders.h"
#include "reader_support.h"

namespace fw {
namespace {

std::string Written(Channel& channel)
{
    StringSink sink;
    EXPECT_TRUE(WriteCdf(channel, sink));
    return sink.Bytes();
}

// The schedule as a load gives it back: what the file does not carry keeps
// the cleared value. Day unit writes only the days; hour unit only the hour
// entry and the minutes; a date only when its flag is on.
ScheduleRecord AsReadBack(const ScheduleRecord& written)
{
    ScheduleRecord expected = written;
    const ScheduleRecord cleared;
    if (written.m_nUpdateUnit == 0) {
        expected.m_nHourSel = cleared.m_nHourSel;
        expected.m_nIntervalHour = cleared.m_nIntervalHour;
        expected.m_nIntervalMin = cleared.m_nIntervalMin;
    } else {
        expected.m_nIntervalDay = cleared.m_nIntervalDay;
    }
    if (written.m_bStartDate == 0) {
        expected.m_nStartYear = cleared.m_nStartYear;
        expected.m_nStartMonth = cleared.m_nStartMonth;
        expected.m_nStartDay = cleared.m_nStartDay;
    }
    if (written.m_bStopDate == 0) {
        expected.m_nStopYear = cleared.m_nStopYear;
        expected.m_nStopMonth = cleared.m_nStopMonth;
        expected.m_nStopDay = cleared.m_nStopDay;
    }
    return expected;
}

// Every member, in declaration order, for one comparison that shows both sides.
std::array<long long, 19> Members(const ScheduleRecord& s)
{
    return {s.m_nIntervalHour, s.m_nIntervalDay,  s.m_nIntervalMin, s.m_nEarliestDay, s.m_nEarliestHour,
            s.m_nEarliestMin,  s.m_nLatestDay,    s.m_nLatestHour,  s.m_nLatestMin,   s.m_nUpdateUnit,
            s.m_nHourSel,      s.m_nStartMonth,   s.m_nStartDay,    s.m_nStartYear,   s.m_nStopDay,
            s.m_nStopMonth,    s.m_nStopYear,     s.m_bStartDate,   s.m_bStopDate};
}

// Walks both trees in step (no recursion) and compares kind, label and record
// of every item, the root's included. Stops at the first difference.
void ExpectSameTree(const SitemapTree& expected, const SitemapTree& actual)
{
    EXPECT_EQ(actual.ItemCount(), expected.ItemCount());
    const SitemapItem* e = expected.Root();
    const SitemapItem* a = actual.Root();
    std::size_t index = 0;
    while (e != nullptr && a != nullptr) {
        ASSERT_EQ(a->Image(), e->Image()) << "item " << index;
        ASSERT_EQ(a->Label(), e->Label()) << "item " << index;
        ASSERT_TRUE(a->Node() == e->Node()) << "item " << index << " titled " << e->Label();
        ASSERT_EQ(a->ChildCount(), e->ChildCount()) << "item " << index;
        ++index;
        if (e->FirstChild() != nullptr) {
            e = e->FirstChild();
            a = a->FirstChild();
            continue;
        }
        while (e != nullptr && e->NextSibling() == nullptr) {
            e = e->Parent();
            a = a->Parent();
        }
        if (e != nullptr) {
            e = e->NextSibling();
            a = a->NextSibling();
        }
    }
}

// Loads `bytes` and checks the channel against `written`, then that writing
// it again gives `rewrite` (by default `bytes` themselves).
void ExpectReadsBackAs(Channel& written, const std::string& bytes, const std::string* rewrite = nullptr)
{
    auto loaded = testing::Load(bytes);
    ASSERT_EQ(loaded.status, ReadStatus::Ok);
    const ChannelHead& h = loaded.head();
    EXPECT_EQ(h.m_strHomeUrl, written.head.m_strHomeUrl);
    EXPECT_EQ(h.m_strTitle, written.head.m_strTitle);
    EXPECT_EQ(h.m_strAbstract, written.head.m_strAbstract);
    EXPECT_EQ(h.m_strCdfUrl, written.head.m_strCdfUrl);
    EXPECT_EQ(h.m_strBaseUrl, written.head.m_strBaseUrl);
    EXPECT_EQ(h.m_bUseBaseUrl, written.head.m_bUseBaseUrl);
    EXPECT_EQ(loaded.logos().m_strIconUrl, written.logos.m_strIconUrl);
    EXPECT_EQ(loaded.logos().m_strLogoUrl, written.logos.m_strLogoUrl);
    EXPECT_EQ(loaded.logos().m_strWideLogoUrl, written.logos.m_strWideLogoUrl);
    EXPECT_EQ(Members(loaded.schedule()), Members(AsReadBack(written.schedule)));
    ExpectSameTree(written.sitemap, loaded.channel->sitemap);
    EXPECT_TRUE(Written(*loaded.channel) == (rewrite != nullptr ? *rewrite : bytes)) << "the rewrite differs";
}

TEST(ReaderRoundTripTest, GoldenFilesReadBackIntoTheirChannels)
{
    // Files that cannot come back whole, and why.
    const std::vector<std::string> partial = {
        "schedule_hour0_min0.cdf",  // "<INTERVALTIME/>" says nothing of the unit
        "markup_unchanged.cdf",     // '<' inside a TITLE stops the load
    };
    for (const cdftest::GoldenCase& golden : cdftest::GoldenCases()) {
        if (std::find(partial.begin(), partial.end(), golden.file) != partial.end())
            continue;
        SCOPED_TRACE(golden.file);
        const std::string bytes = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/" + golden.file);
        ASSERT_FALSE(bytes.empty());
        Channel built;
        golden.build(built);
        if (std::string(golden.file) == "every_optional_piece.cdf") {
            // Only a page takes a usage: the sub-channel's USAGE line is read and dropped.
            SitemapItem* soft = testing::Child(*built.sitemap.Root(), 0);
            ASSERT_EQ(soft->Node().m_nUsage, kUsageSoftwareUpdate);
            soft->Node().m_nUsage = kUsageSitemap;
            std::string rewrite = bytes;
            const std::string usageLine = "  <USAGE VALUE=\"SoftwareUpdate\"></USAGE>\r\n";
            const std::size_t at = rewrite.find(usageLine);
            ASSERT_NE(at, std::string::npos);
            rewrite.erase(at, usageLine.size());
            ExpectReadsBackAs(built, bytes, &rewrite);
            continue;
        }
        ExpectReadsBackAs(built, bytes);
    }
}

TEST(ReaderRoundTripTest, TheDegenerateGoldenFilesLoadAsFarAsTheyCan)
{
    const std::string hourZero = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/schedule_hour0_min0.cdf");
    auto zero = testing::Load(hourZero);
    EXPECT_EQ(zero.status, ReadStatus::Ok);
    EXPECT_EQ(zero.schedule().m_nUpdateUnit, 0);

    const std::string markup = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/markup_unchanged.cdf");
    auto loaded = testing::Load(markup);
    EXPECT_EQ(loaded.status, ReadStatus::ElementError);
    EXPECT_EQ(loaded.head().m_strHomeUrl, "http://server/?a=1&b=2");
}

// A writer-form file of 3,000 nested sub-channels: no depth limit anywhere.
TEST(ReaderRoundTripTest, DeepChainReadsBackAndRewritesByteForByte)
{
    Channel built;
    cdftest::MirrorHeadInRoot(built);
    cdftest::AddChild(built, cdftest::AddChain(built, 3000), cdftest::Page("leaf.htm", "Leaf"));
    const std::string bytes = Written(built);
    ExpectReadsBackAs(built, bytes);
}

// ---- random channels ---------------------------------------------------

// Values are drawn in the form writing leaves them (trimmed, no trailing
// '/', no '"' in URLs, no '<' in texts), so the comparison can be exact.
class ChannelGenerator {
public:
    explicit ChannelGenerator(unsigned seed) : m_random(seed) {}

    void Fill(Channel& channel, std::size_t items)
    {
        ChannelHead& head = channel.head;
        head.m_strHomeUrl = Url(true);
        head.m_strTitle = Text(0, true);
        head.m_strAbstract = Text(0, true);
        head.m_strCdfUrl = Url(true);
        head.m_bUseBaseUrl = Chance(2);
        head.m_strBaseUrl = head.m_bUseBaseUrl != 0 ? Url(false) + "/" : std::string(kHttpPrefix);
        channel.logos.m_strIconUrl = Chance(3) ? std::string(kHttpPrefix) : Url(false);
        channel.logos.m_strLogoUrl = Chance(3) ? std::string(kHttpPrefix) : Url(false);
        channel.logos.m_strWideLogoUrl = Chance(3) ? std::string(kHttpPrefix) : Url(false);
        FillSchedule(channel.schedule);

        SitemapNode& root = channel.sitemap.Root()->Node();
        root.m_nLevel = Level();
        root.m_bPrecache = Chance(2);
        cdftest::MirrorHeadInRoot(channel);

        std::vector<SitemapItem*> channels = {channel.sitemap.Root()};
        for (std::size_t i = 0; i < items; ++i) {
            SitemapItem* parent = channels[Below(channels.size())];
            SitemapItem* item = cdftest::AddChild(channel, parent, Record(Chance(3)));
            if (!item->IsPageImage())
                channels.push_back(item);
        }
    }

private:
    bool Chance(unsigned oneIn) { return m_random() % oneIn == 0; }
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(m_random() % n); }
    unsigned Small(unsigned n) { return static_cast<unsigned>(m_random() % n); }

    // Non-empty text from letters, digits, blanks, markup other than '<',
    // line feeds and Shift-JIS characters (some with a 0x5C trail byte).
    std::string Text(std::size_t minLength, bool lineBreaks)
    {
        static const std::vector<std::string> pieces = {
            "a", "Z", "0", "9", " ", "&", ">", "'", "\"", "/", "-", ".", "?", "=", "\t",
            "\x83\x5c", "\x95\x5c", "\x83\x5E", "\x82\xa0", "\x90\x56", "\x81\x40"};
        std::string text;
        const std::size_t length = minLength + Below(12);
        for (std::size_t i = 0; i < length; ++i)
            text += lineBreaks && Chance(15) ? std::string("\n") : pieces[Below(pieces.size())];
        // Writing trims single-byte white space and one trailing '/'.
        if (!text.empty())
            text = "x" + text + "y";
        return text;
    }

    std::string Url(bool mayBeEmpty)
    {
        if (mayBeEmpty && Chance(8))
            return "";
        static const std::vector<std::string> pieces = {"http://", "server", "/", "dir", "a.htm", "?q=1&r=2",
                                                        "<x>", "\x83\x5c", " ", "\t", "HTTP://"};
        std::string url = "h";
        const std::size_t length = Below(6);
        for (std::size_t i = 0; i < length; ++i)
            url += pieces[Below(pieces.size())];
        return url + "m";
    }

    int Level() { return Chance(3) ? 0 : static_cast<int>(m_random() % 25) - 5; }

    SitemapNode Record(bool subChannel)
    {
        SitemapNode node = subChannel ? SitemapNode::NewSubChannel() : SitemapNode::NewPage();
        if (!Chance(4))
            node.m_strHref = Url(false);
        node.m_strTitle = Text(1, true);
        node.m_strAbstract = Chance(2) ? std::string() : Text(1, true);
        node.m_nLevel = Level();
        node.m_bPrecache = Chance(2);
        // Only a page takes a usage back; the site map never gives one to a sub-channel.
        node.m_nUsage = subChannel ? 0 : static_cast<int>(Small(6));
        if (Chance(2))
            node.m_strIconHref = Url(false);
        return node;
    }

    void FillSchedule(ScheduleRecord& s)
    {
        s.m_nUpdateUnit = Chance(2);
        if (s.m_nUpdateUnit == 0) {
            s.m_nIntervalDay = 1 + Small(365);
        } else {
            // Entry "0" with 0 minutes would be written as a bare "<INTERVALTIME/>".
            s.SelectHourEntry(static_cast<int>(Small(8)));
            s.m_nIntervalMin = Small(60);
            if (s.m_nHourSel == 0 && s.m_nIntervalMin == 0)
                s.m_nIntervalMin = 15;
        }
        unsigned* window[] = {&s.m_nEarliestDay, &s.m_nEarliestHour, &s.m_nEarliestMin,
                              &s.m_nLatestDay,   &s.m_nLatestHour,   &s.m_nLatestMin};
        for (unsigned* field : window)
            *field = Chance(2) ? 0 : Small(400);
        if (Chance(2)) {
            s.m_bStartDate = 1;
            s.m_nStartYear = 1 + Small(99999);
            s.m_nStartMonth = Small(13);
            s.m_nStartDay = Small(32);
        }
        if (Chance(2)) {
            s.m_bStopDate = 1;
            s.m_nStopYear = 1 + Small(99999);
            s.m_nStopMonth = Small(13);
            s.m_nStopDay = Small(32);
        }
    }

    std::mt19937 m_random;
};

TEST(ReaderRoundTripTest, RandomChannelsReadBackAndRewriteByteForByte)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Channel built;
        ChannelGenerator(seed).Fill(built, seed == 40 ? 400 : 5 * seed);
        const std::string bytes = Written(built);
        ExpectReadsBackAs(built, bytes);
    }
}

}  // namespace
}  // namespace fw
