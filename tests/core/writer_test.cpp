// What the writer writes for a channel (byte for byte against the golden
// files), what writing does to its members, deep site maps and line breaks
// across the output's blocks, and that the reader takes each golden file back.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "common/CaseFile.h"
#include "core/core_test_support.h"

namespace {

using cdftest::Written;

std::string Fresh()
{
    return cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf");
}

// The fresh channel's bytes with `items` written below the root.
std::string FreshWithItems(const std::string& items)
{
    std::string bytes = Fresh();
    return bytes.insert(bytes.size() - std::string_view("</CHANNEL>\r\n").size(), items);
}

// The size pass counts exactly the bytes the writer then writes; a file that
// reads back whole gives its channel and, written again, its own bytes.
TEST(Writer, EachGoldenFileIsTheExactWrittenFormOfItsChannelAndReadsBack)
{
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cdftest::GoldenDir()))
        files += entry.path().extension() == ".cdf" ? 1 : 0;
    EXPECT_EQ(files, cdftest::GoldenCases().size()) << "a golden file without its channel";

    for (const cdftest::GoldenCase& golden : cdftest::GoldenCases()) {
        SCOPED_TRACE(golden.file);
        const std::string path = cdftest::GoldenDir() + "/" + golden.file;
        const std::string expected = cdftest::ReadFileBytes(path);
        ASSERT_FALSE(expected.empty());
        fw::Channel channel;
        cdftest::BuildGolden(golden, channel);
        EXPECT_EQ(fw::CdfFileSize(channel), expected.size());
        EXPECT_EQ(Written(channel), expected);
        EXPECT_EQ(fw::g_nItemDepth, 0);
        EXPECT_EQ(Written(channel), expected) << "the second write differs";
        if (golden.reading == cdftest::kLossy)
            continue;
        fw::Channel loaded;
        cdftest::BuildWorkedExample(loaded);
        fw::NullTraceSink trace;
        ASSERT_EQ(fw::ReadCdfFile(loaded, path, trace), fw::ReadStatus::Ok);
        EXPECT_TRUE(cdftest::SameChannel(loaded, channel));
        EXPECT_EQ(Written(loaded), expected);
    }
}

// URLs, and the titles and abstracts of items, are written trimmed without a
// trailing '/', the base URL with one (and only when used and given); the
// members keep the written form. The root's own record is not an item and
// stays as it was.
TEST(Writer, MembersAreWrittenNormalisedAndKeepThatForm)
{
    fw::Channel clean, dirty;
    cdftest::BuildWorkedExample(clean);
    cdftest::BuildWorkedExample(dirty);
    dirty.head.m_strHomeUrl = " \thttp://server/dir/ ";
    dirty.head.m_strCdfUrl = "http://server/dir/channel.cdf\r\n";
    dirty.head.m_strBaseUrl = "http://server/dir";
    dirty.logos = {" http://server/dir/icon.ico/", "http://server/dir/logo.gif/ ", "\thttp://server/dir/wide.gif"};
    fw::SitemapItem* root = dirty.sitemap.Root();
    fw::SitemapNode& b1 = root->FirstChild()->FirstChild()->Node();
    b1.m_strHref = " b1.htm/ ";
    b1.m_strIconHref = "i.ico/ ";
    fw::SitemapNode& a = root->LastChild()->Node();
    a.m_strTitle = "  A/ ";
    a.m_strAbstract = " \t ";
    root->Node().m_strHref = " http://server/dir/ ";
    root->Node().m_strAbstract = "Root/ ";
    const fw::SitemapNode rootBefore = root->Node();

    EXPECT_EQ(Written(dirty), cdftest::ReadFileBytes(cdftest::GoldenDir() + "/worked_example.cdf"));
    EXPECT_EQ(root->Node(), rootBefore);
    root->Node() = clean.sitemap.Root()->Node();
    EXPECT_TRUE(cdftest::SameChannel(dirty, clean));

    fw::Channel emptyBase;
    emptyBase.head.m_bUseBaseUrl = 1, emptyBase.head.m_strBaseUrl = "";
    EXPECT_EQ(Written(emptyBase), Fresh());
}

// The cases of tests/data/writer/page_usage.txt.
TEST(Writer, PagesWriteTheirUsageWordAndOneCrLfPerLineBreak)
{
    for (const auto& row : casefile::Rows("writer/page_usage.txt")) {
        SCOPED_TRACE(::testing::PrintToString(row));
        const struct {
            int usage;
            std::string held, written, word;
        } c{std::stoi(row.at(0)), row.at(1), row.at(2), row.at(3)};
        fw::Channel channel;
        channel.head.m_strTitle = channel.head.m_strAbstract = c.held;
        fw::SitemapNode page = cdftest::Page("p.htm", c.held);
        page.m_strAbstract = c.held;
        page.m_nUsage = c.usage;
        cdftest::AddChild(channel, channel.sitemap.Root(), page);
        std::string expected = FreshWithItems("  <ITEM HREF=\"p.htm\" PRECACHE=\"YES\">\r\n  <TITLE>" + c.written +
                                              "</TITLE>\r\n  <ABSTRACT>" + c.written + "</ABSTRACT>\r\n" +
                                              (c.word != "-" ? "  <USAGE VALUE=\"" + c.word + "\"></USAGE>\r\n" : "") +
                                              "  </ITEM>\r\n\r\n");
        expected.replace(expected.find("<TITLE>") + 7, fw::kDefaultTitleSjis.size(), c.written);
        expected.insert(expected.find("<ABSTRACT>") + 10, c.written);
        EXPECT_EQ(Written(channel), expected);
        EXPECT_EQ(fw::CdfFileSize(channel), expected.size());
        EXPECT_EQ(channel.head.m_strAbstract, c.held);
    }
}

// A fresh channel whose site map is a chain of `depth` sub-channels, each
// with href "c.htm" and title "C".
std::string ExpectedChain(std::size_t depth)
{
    std::string items;
    for (std::size_t d = 1; d <= depth; ++d) {
        const std::string indent(2 * d, ' ');
        items += indent + "<CHANNEL HREF=\"c.htm\" PRECACHE=\"YES\">\r\n" + indent + "<TITLE>C</TITLE>\r\n";
        items += d < depth ? "\r\n" : "";
    }
    for (std::size_t d = depth; d >= 1; --d)
        items += std::string(2 * d, ' ') + "</CHANNEL>\r\n\r\n";
    return FreshWithItems(items);
}

// 3,000 levels is about 27 MB, mostly indentation.
TEST(Writer, DeepChainIsWrittenWholeOnASmallStackAndReadsBack)
{
    fw::Channel channel;
    cdftest::AddChain(channel, 3000);
    fw::StringSink sink;
    bool ok = false;
    std::uint64_t size = 0;
    EXPECT_TRUE(cdftest::RunOnSmallStack([&] {
        ok = fw::WriteCdf(channel, sink);
        size = fw::CdfFileSize(channel);
    }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(fw::g_nItemDepth, 0);
    const std::string expected = ExpectedChain(3000);
    EXPECT_EQ(size, expected.size());
    ASSERT_TRUE(sink.Bytes() == expected);
    cdftest::ExpectReadsBack(channel, expected);
}

// Line breaks are turned as the output is handed on in blocks: a member's
// CR LF stays one CR LF, and a lone LF gets its CR, even where a block ends
// between the two bytes. A 7-byte pattern over seven blocks and more puts
// every one of its bytes at a block's end once.
TEST(Writer, LineBreaksStayWholeAcrossTheOutputsBlocks)
{
    std::string held, written;
    for (int i = 0; i < 80'000; ++i) {
        held += "a\nbc\r\nd";
        written += "a\r\nbc\r\nd";
    }
    fw::Channel channel;
    cdftest::AddChild(channel, channel.sitemap.Root(), cdftest::Page("p.htm", held));
    const std::string expected = FreshWithItems("  <ITEM HREF=\"p.htm\" PRECACHE=\"YES\">\r\n  <TITLE>" + written +
                                                "</TITLE>\r\n  </ITEM>\r\n\r\n");
    const std::string got = Written(channel);
    const auto differ = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    EXPECT_TRUE(got == expected) << "the first difference is at byte " << differ.first - got.begin();
    EXPECT_EQ(fw::CdfFileSize(channel), expected.size());
}

}  // namespace
