// Random channels read back into themselves and rewrite byte for byte; input
// no writer produced loads without harm (random input is the fuzz targets' work).

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/core_test_support.h"

namespace {

using fw::ReadStatus;

// Values are drawn in the form writing leaves them (trimmed, no trailing
// '/') and the schedule only with what its unit writes, so the comparison
// can be exact.
class ChannelGenerator {
public:
    explicit ChannelGenerator(unsigned seed) : m_random(seed) {}

    void Fill(fw::Channel& channel, std::size_t items)
    {
        // The head's title and abstract are written as they are, blanks and '/' included.
        fw::ChannelHead& head = channel.head;
        head = {.m_strCdfUrl = Url(),
                .m_strAbstract = OneIn(3) ? "" : " " + Text() + "/\t",
                .m_strTitle = Text() + "/ ",
                .m_strHomeUrl = OneIn(8) ? "" : Url(),
                .m_strBaseUrl = "http://",
                .m_bUseBaseUrl = OneIn(2)};
        if (head.m_bUseBaseUrl != 0)
            head.m_strBaseUrl = Url() + "/";
        channel.logos = {Logo(), Logo(), Logo()};
        fw::ScheduleRecord& s = channel.schedule;
        s.m_nUpdateUnit = OneIn(2);
        if (s.m_nUpdateUnit == 0) {
            s.m_nIntervalDay = 1 + Below(365);
        } else {
            s.SelectHourEntry(static_cast<int>(Below(8)));
            s.m_nIntervalMin = s.m_nHourSel == 0 ? 1 + Below(59) : Below(60);  // else a bare <INTERVALTIME/>
        }
        for (unsigned* field : {&s.m_nEarliestDay, &s.m_nEarliestHour, &s.m_nEarliestMin, &s.m_nLatestDay,
                                &s.m_nLatestHour, &s.m_nLatestMin})
            *field = OneIn(2) ? 0 : Below(400);
        if ((s.m_bStartDate = OneIn(2)) != 0)
            s.m_nStartYear = 1 + Below(99999), s.m_nStartMonth = Below(13), s.m_nStartDay = Below(32);
        if ((s.m_bStopDate = OneIn(2)) != 0)
            s.m_nStopYear = 1 + Below(99999), s.m_nStopMonth = Below(13), s.m_nStopDay = Below(32);
        channel.sitemap.Root()->Node().m_nLevel = Level();
        channel.sitemap.Root()->Node().m_bPrecache = OneIn(2);
        cdftest::MirrorHeadInRoot(channel);

        std::vector<fw::SitemapItem*> channels = {channel.sitemap.Root()};
        for (std::size_t i = 0; i < items; ++i) {
            const bool page = !OneIn(3);
            // Only a page takes a usage back.
            fw::SitemapNode record{.m_strHref = OneIn(4) ? "http://" : Url(),
                                   .m_strTitle = Text(),
                                   .m_strAbstract = OneIn(2) ? "" : Text(),
                                   .m_nLevel = Level(),
                                   .m_bPrecache = OneIn(2),
                                   .m_bIsPage = page,
                                   .m_strIconHref = OneIn(2) ? "http://" : Url(),
                                   .m_nUsage = page ? int(Below(6)) : 0};
            fw::SitemapItem* item = cdftest::AddChild(channel, channels[Below(channels.size())], record);
            if (!page)
                channels.push_back(item);
        }
    }

private:
    bool OneIn(unsigned n) { return m_random() % n == 0; }
    unsigned Below(std::size_t n) { return static_cast<unsigned>(m_random() % n); }
    int Level() { return OneIn(3) ? 0 : static_cast<int>(Below(25)) - 5; }

    std::string Pieces(const std::vector<std::string>& pieces, const char* first, const char* last)
    {
        std::string text = first;
        for (std::size_t i = Below(12); i > 0; --i)
            text += pieces[Below(pieces.size())];
        return text + last;
    }
    // Letters, blanks, markup, line feeds, Shift-JIS (trail bytes 0x5C among them).
    std::string Text()
    {
        return Pieces({"a", "Z", "0", " ", "&", "<", ">", "'", "\"", "/", "=", "\t", "\n", "\x83\x5c", "\x95\x5c",
                       "\x83\x5E", "\x82\xa0", "\x81\x40"},
                      "x", "y");
    }
    std::string Url()
    {
        return Pieces({"http://", "server", "/", "a.htm", "?q=1&r=2", "<x>", "\"", "\x83\x5c", " ", "\t", "HTTP://"},
                      "h", "m");
    }
    std::string Logo() { return OneIn(3) ? "http://" : Url(); }

    std::mt19937 m_random;
};

TEST(ReaderRoundTrip, RandomChannelsWithEveryFieldVariedReadBackAndRewriteByteForByte)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        fw::Channel built;
        ChannelGenerator(seed).Fill(built, seed == 40 ? 400 : 5 * seed);
        cdftest::ExpectReadsBack(built, cdftest::Written(built));
    }
}

// A million open CHANNEL tags, never closed: neither loading nor clearing
// may keep the open channels on the call stack.
TEST(ReaderRobustness, MillionNestedChannelsLoadClearAndGo)
{
    constexpr std::size_t kLevels = 1000000;
    std::string file;
    file.reserve(kLevels * 9 + 32);
    for (std::size_t i = 0; i < kLevels; ++i)
        file += "<CHANNEL>";
    file += "<ITEM><TITLE>deep</TITLE></ITEM>";
    auto channel = std::make_unique<fw::Channel>();
    EXPECT_TRUE(cdftest::RunOnSmallStack([&] {
        fw::NullTraceSink trace;
        EXPECT_EQ(fw::ReadCdfBytes(*channel, file, trace), ReadStatus::Phase0);
        std::size_t depth = 0;
        for (const fw::SitemapItem* item = channel->sitemap.Root()->FirstChild(); item; item = item->FirstChild())
            ++depth;
        EXPECT_EQ(depth, kLevels);  // kLevels - 1 sub-channels, then the page
        EXPECT_EQ(channel->sitemap.ItemCount(), kLevels + 1);
        channel->Clear();
        EXPECT_EQ(channel->sitemap.ItemCount(), 1u);
        channel.reset();
    }));
}

// Every prefix of a file with every element loads, with the status of the
// declaration read so far.
TEST(ReaderRobustness, EveryTruncationOfARichFileLoads)
{
    const std::string file = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/every_optional_piece.cdf");
    const std::size_t declarationStarted = std::string_view("<?XML ").size();
    const std::size_t declarationComplete = file.find('>') + 1;
    for (std::size_t length = 0; length <= file.size(); ++length) {
        const cdftest::Loaded loaded = cdftest::Load(std::string_view(file).substr(0, length));
        const ReadStatus expected = length < declarationStarted ? ReadStatus::Phase0
            : length < declarationComplete                      ? ReadStatus::Phase1
                                                                : ReadStatus::Ok;
        ASSERT_EQ(loaded.status, expected) << "length " << length;
    }
}

}  // namespace
