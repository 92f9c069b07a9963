// The site map items: what each record writes, what writing does to the
// records, and the nesting depth on every way out of a write.

#include <gtest/gtest.h>

#include <pthread.h>

#include <stdexcept>
#include <string>

#include "cdf/CdfWriter.h"
#include "core/channel_builders.h"
#include "core/writer_sinks.h"
#include "core/writer_test_support.h"

namespace {

using cdftest::AddChild;
using cdftest::ItemsPart;
using cdftest::Page;
using cdftest::SubChannel;
using cdftest::Written;

TEST(WriterSitemap, OnlyTheRootWritesNoItems)
{
    fw::Channel channel;
    channel.sitemap.Root()->Node().m_strTitle = "Root";  // the root's record is never an item
    EXPECT_EQ(ItemsPart(Written(channel)), "");
}

TEST(WriterSitemap, UsageCodesWriteTheirValueWords)
{
    struct Case {
        int usage;
        const char* line;  // null for no USAGE line
    };
    const Case cases[] = {
        {-1, nullptr},
        {0, nullptr},
        {1, "  <USAGE VALUE=\"NONE\"></USAGE>\r\n"},
        {2, "  <USAGE VALUE=\"Email\"></USAGE>\r\n"},
        {3, "  <USAGE VALUE=\"ScreenSaver\"></USAGE>\r\n"},
        {4, "  <USAGE VALUE=\"DesktopComponent\"></USAGE>\r\n"},
        {5, "  <USAGE VALUE=\"SoftwareUpdate\"></USAGE>\r\n"},
        {6, nullptr},  // no code beyond 5 exists; nothing to name it by
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.usage);
        fw::Channel channel;
        fw::SitemapNode page = Page("p.htm", "P");
        page.m_nUsage = c.usage;
        AddChild(channel, channel.sitemap.Root(), page);
        const std::string expected = std::string("  <ITEM HREF=\"p.htm\" PRECACHE=\"YES\">\r\n  <TITLE>P</TITLE>\r\n") +
                                     (c.line ? c.line : "") + "  </ITEM>\r\n\r\n";
        EXPECT_EQ(ItemsPart(Written(channel)), expected);
    }
}

TEST(WriterSitemap, ItemsAreWrittenNormalisedAndKeepTheNormalisedForm)
{
    fw::Channel channel;
    fw::SitemapItem* root = channel.sitemap.Root();
    root->Node().m_strHref = " http://server/ ";
    root->Node().m_strTitle = "Root/";
    fw::SitemapNode page = Page(" http://server/x/ ", "  Docs/ ");
    page.m_strAbstract = "\tnote ";
    page.m_strIconHref = " i.ico/ ";
    fw::SitemapItem* written = AddChild(channel, root, page);
    fw::SitemapNode bare = Page("", "   ");  // no HREF, and a title of blanks is no title
    bare.m_strIconHref = "";
    bare.m_nLevel = 0;
    bare.m_bPrecache = 0;
    AddChild(channel, root, bare);

    EXPECT_EQ(ItemsPart(Written(channel)),
              "  <ITEM HREF=\"http://server/x\" PRECACHE=\"YES\">\r\n"
              "  <TITLE>Docs</TITLE>\r\n"
              "  <ABSTRACT>note</ABSTRACT>\r\n"
              "  <LOGO HREF=\"i.ico\" STYLE=\"ICON\"/>\r\n"
              "  </ITEM>\r\n"
              "\r\n"
              "  <ITEM PRECACHE=\"NO\">\r\n"
              "  </ITEM>\r\n"
              "\r\n");
    const fw::SitemapNode& after = written->Node();
    EXPECT_EQ(after.m_strHref, "http://server/x");
    EXPECT_EQ(after.m_strTitle, "Docs");
    EXPECT_EQ(after.m_strAbstract, "note");
    EXPECT_EQ(after.m_strIconHref, "i.ico");
    EXPECT_EQ(written->Label(), "  Docs/ ") << "the label keeps the title as typed";
    EXPECT_EQ(root->Node().m_strHref, " http://server/ ") << "the root's record is not an item";
    EXPECT_EQ(root->Node().m_strTitle, "Root/");
}

TEST(WriterSitemap, WriteSitemapItemWritesTheItemUnlessItIsTheRootOfTheCall)
{
    fw::Channel channel;
    fw::SitemapItem* sub = AddChild(channel, channel.sitemap.Root(), SubChannel("s", "S"));
    AddChild(channel, sub, Page("p", "P"));

    fw::StringSink withItem;
    ASSERT_TRUE(fw::WriteSitemapItem(sub, withItem, false));
    EXPECT_EQ(withItem.Bytes(),
              "<CHANNEL HREF=\"s\" PRECACHE=\"YES\">\r\n<TITLE>S</TITLE>\r\n\r\n"
              "  <ITEM HREF=\"p\" PRECACHE=\"YES\">\r\n  <TITLE>P</TITLE>\r\n  </ITEM>\r\n\r\n"
              "</CHANNEL>\r\n\r\n");

    fw::StringSink subtreeOnly;
    ASSERT_TRUE(fw::WriteSitemapItem(sub, subtreeOnly, true));
    EXPECT_EQ(subtreeOnly.Bytes(), "  <ITEM HREF=\"p\" PRECACHE=\"YES\">\r\n  <TITLE>P</TITLE>\r\n  </ITEM>\r\n\r\n");

    fw::StringSink none;
    EXPECT_TRUE(fw::WriteSitemapItem(nullptr, none, true));
    EXPECT_EQ(none.Bytes(), "");
    EXPECT_EQ(fw::g_nItemDepth, 0);
}

TEST(WriterSitemap, MakeIndentAppendsTwoBlanksPerLevel)
{
    std::string indent = "x";
    fw::MakeIndent(3, indent);
    EXPECT_EQ(indent, "x      ");
    fw::MakeIndent(0, indent);
    fw::MakeIndent(-2, indent);
    EXPECT_EQ(indent, "x      ");
}

// The expected bytes of a fresh channel whose site map is a chain of `depth`
// sub-channels, each with href "c.htm" and title "C", built line by line.
std::string ExpectedChain(std::size_t depth)
{
    const std::string fresh = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf");
    const std::string close = "</CHANNEL>\r\n";
    std::string expected = fresh.substr(0, fresh.size() - close.size());
    for (std::size_t d = 1; d <= depth; ++d) {
        const std::string indent(2 * d, ' ');
        expected += indent + "<CHANNEL HREF=\"c.htm\" PRECACHE=\"YES\">\r\n";
        expected += indent + "<TITLE>C</TITLE>\r\n";
        if (d < depth)
            expected += "\r\n";
    }
    for (std::size_t d = depth; d >= 1; --d)
        expected += std::string(2 * d, ' ') + "</CHANNEL>\r\n\r\n";
    return expected + close;
}

// Runs `body` on a thread with a small stack: a writer that recursed along
// the tree's depth would overflow it on a deep chain.
template <typename Body>
void RunOnSmallStack(Body body)
{
    struct Call {
        static void* Run(void* argument)
        {
            (*static_cast<Body*>(argument))();
            return nullptr;
        }
    };
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 128 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, &Call::Run, &body), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// 3,000 levels is about 27 MB, mostly indentation; a writer that recursed
// along the depth would overflow the small stack long before the end.
TEST(WriterSitemap, DeepChainIsWrittenWholeOnASmallStackWithTheDepthBackAtZero)
{
    constexpr std::size_t kDepth = 3000;
    fw::Channel channel;
    cdftest::AddChain(channel, kDepth);
    fw::StringSink sink;
    bool ok = false;
    RunOnSmallStack([&] { ok = fw::WriteCdf(channel, sink); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(fw::g_nItemDepth, 0);
    const std::string expected = ExpectedChain(kDepth);
    ASSERT_EQ(sink.Bytes().size(), expected.size());
    EXPECT_TRUE(sink.Bytes() == expected);
}

TEST(WriterSitemap, RefusedWriteStopsTheWriterAndLeavesTheDepthAtZero)
{
    constexpr std::size_t kDepth = 500;  // about 770 KB: many blocks
    const std::string full = ExpectedChain(kDepth);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, std::size_t{64 * 1024}, std::size_t{300000},
                                    full.size() - 1}) {
        SCOPED_TRACE(limit);
        fw::Channel channel;
        cdftest::AddChain(channel, kDepth);
        cdftest::FailAfterSink sink(limit);
        EXPECT_FALSE(fw::WriteCdf(channel, sink));
        EXPECT_EQ(fw::g_nItemDepth, 0);
        EXPECT_TRUE(sink.Refused());
        EXPECT_EQ(sink.CallsAfterRefusal(), 0) << "the writer went on after the refusal";
        EXPECT_EQ(sink.Accepted(), full.substr(0, limit));

        // The next write starts again from depth 0: same bytes as ever.
        EXPECT_TRUE(Written(channel) == full);
    }
}

TEST(WriterSitemap, RefusedWriteOfASubtreeLeavesTheDepthAtZero)
{
    fw::Channel channel;
    cdftest::AddChain(channel, 200);
    cdftest::FailAfterSink sink(70000);
    EXPECT_FALSE(fw::WriteSitemapItem(channel.sitemap.Root(), sink, true));
    EXPECT_EQ(fw::g_nItemDepth, 0);
}

TEST(WriterSitemap, SinkThatThrowsLeavesTheDepthAtZero)
{
    fw::Channel channel;
    cdftest::AddChain(channel, 500);
    cdftest::ThrowAfterSink sink(200000);
    EXPECT_THROW(fw::WriteCdf(channel, sink), std::runtime_error);
    EXPECT_EQ(fw::g_nItemDepth, 0);
}

}  // namespace
