// Input no writer produced: hostile nesting, garbage, truncation at every
// byte, values that run to the end of a large file.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>
#include <string>

#include "reader_support.h"

namespace fw {
namespace {

using testing::Load;
using testing::LoadDeclared;

// Counts the levels below `top` by following first children (no recursion).
std::size_t FirstChildDepth(const SitemapItem& top)
{
    std::size_t depth = 0;
    for (const SitemapItem* item = top.FirstChild(); item != nullptr; item = item->FirstChild())
        ++depth;
    return depth;
}

// A million open CHANNEL tags, never closed: the open channels are not kept
// on the call stack, and neither clearing nor destroying the tree recurses.
TEST(ReaderRobustnessTest, MillionNestedChannelsLoadClearAndGo)
{
    constexpr std::size_t kLevels = 1000000;
    std::string file;
    file.reserve(kLevels * 9 + 32);
    for (std::size_t i = 0; i < kLevels; ++i)
        file += "<CHANNEL>";
    file += "<ITEM><TITLE>deep</TITLE></ITEM>";

    auto channel = std::make_unique<Channel>();
    NullTraceSink trace;
    EXPECT_EQ(ReadCdfBytes(*channel, file, trace), ReadStatus::Phase0);
    EXPECT_EQ(FirstChildDepth(*channel->sitemap.Root()), kLevels);  // kLevels - 1 sub-channels, then the page
    EXPECT_EQ(channel->sitemap.ItemCount(), kLevels + 1);

    channel->Clear();
    EXPECT_EQ(channel->sitemap.Root()->ChildCount(), 0u);

    // Load again and let the destructor take the deep tree down.
    EXPECT_EQ(ReadCdfBytes(*channel, file, trace), ReadStatus::Phase0);
    channel.reset();
}

TEST(ReaderRobustnessTest, ValuesAndTextsRunningToTheEndOfALargeFile)
{
    const std::string tail(4 * 1024 * 1024, 'a');
    const std::array<std::string, 6> openings = {
        "<CHANNEL HREF=\"",     // a value never closed
        "<CHANNEL HREF=",       // no opening quote
        "<CHANNEL ",            // an attribute name that never ends
        "<CHANNEL><TITLE>",     // a text never closed
        "<CHANNEL><TITLE>x</",  // a closing tag never ended
        "<",                    // a tag name that never ends
    };
    for (const std::string& opening : openings) {
        auto loaded = LoadDeclared(opening + tail);
        EXPECT_EQ(loaded.status, ReadStatus::Ok) << opening;
        EXPECT_EQ(loaded.head().m_strHomeUrl, "http://") << opening;
        EXPECT_EQ(loaded.root().ChildCount(), 0u) << opening;
    }
}

TEST(ReaderRobustnessTest, LargeValuesAreStoredWhole)
{
    const std::string big(4 * 1024 * 1024, 'x');
    auto loaded = LoadDeclared("<CHANNEL HREF=\"" + big + "\"><TITLE>" + big + "</TITLE><ITEM LEVEL=\"" +
                               std::string(100000, '9') + "\"></ITEM>");
    EXPECT_EQ(loaded.head().m_strHomeUrl.size(), big.size());
    EXPECT_EQ(loaded.root().Label().size(), big.size());
    EXPECT_EQ(testing::Child(loaded.root(), 0)->Node().m_nLevel, std::numeric_limits<int>::max());
}

// Every prefix of a file that uses every element ends the load cleanly, with
// a declaration status that can only go up as the prefix grows.
TEST(ReaderRobustnessTest, EveryTruncationOfARichFileLoads)
{
    const std::string file =
        "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n\r\n<CHANNEL\r\n  BASE=\"http://b/\"\r\n  HREF=\"http://h\"\r\n"
        "  SELF=\"http://s\"\r\n  LEVEL=\"2\"\r\n  PRECACHE=\"NO\">\r\n<TITLE>T</TITLE>\r\n<ABSTRACT>A</ABSTRACT>\r\n\r\n"
        "  <LOGO HREF=\"i\" STYLE=\"ICON\"/>\r\n  <SCHEDULE STARTDATE=\"2004-3-9\" STOPDATE=\"2005-1-2\">\r\n"
        "    <INTERVALTIME HOUR=\"12\" MIN=\"30\"/>\r\n    <EARLIESTTIME HOUR=\"2\"/>\r\n  </SCHEDULE>\r\n\r\n"
        "  <CHANNEL HREF=\"c\" PRECACHE=\"YES\">\r\n  <TITLE>C</TITLE>\r\n\r\n"
        "    <ITEM HREF=\"p\" PRECACHE=\"YES\">\r\n    <TITLE>P</TITLE>\r\n    <USAGE VALUE=\"Email\"></USAGE>\r\n"
        "    </ITEM>\r\n\r\n  </CHANNEL>\r\n\r\n</CHANNEL>\r\n";
    const std::size_t declarationStarted = std::string_view("<?XML ").size();
    const std::size_t declarationComplete = file.find('>') + 1;
    for (std::size_t length = 0; length <= file.size(); ++length) {
        auto loaded = Load(std::string_view(file).substr(0, length));
        const ReadStatus expected = length < declarationStarted    ? ReadStatus::Phase0
                                    : length < declarationComplete ? ReadStatus::Phase1
                                                                   : ReadStatus::Ok;
        ASSERT_EQ(loaded.status, expected) << "length " << length;
    }
    EXPECT_EQ(testing::Outline(Load(file).root()), "C C\n  P P\n");
}

// Random bytes, and random mixes of the reader's own words and delimiters,
// which reach far more of its paths than plain noise does.
TEST(ReaderRobustnessTest, GarbageLoadsWithoutHarm)
{
    const std::array<std::string_view, 34> pieces = {
        "<", ">", "\"", "=", "/", " ", "\n", "\r", "\t", "-", "?", "\x83\x61", "?XML", "CHANNEL", "/CHANNEL",
        "ITEM", "/ITEM", "TITLE", "/TITLE", "ABSTRACT", "SCHEDULE", "/SCHEDULE", "INTERVALTIME", "EARLIESTTIME",
        "LATESTTIME", "USAGE", "LOGO", "HREF", "STYLE", "ICON", "VALUE", "HOUR", "-99999999999", "2004-1-2"};
    std::mt19937 random(20240607);
    for (int round = 0; round < 300; ++round) {
        std::string file;
        const bool words = round % 2 == 0;
        const int count = static_cast<int>(random() % 400);
        for (int i = 0; i < count; ++i) {
            if (words)
                file += pieces[random() % pieces.size()];
            else
                file += static_cast<char>(random() & 0xff);
        }
        auto loaded = Load(file);
        Channel& channel = *loaded.channel;
        channel.Clear();  // whatever was built can be taken down again
        EXPECT_EQ(channel.sitemap.ItemCount(), 1u);
    }
}

}  // namespace
}  // namespace fw
