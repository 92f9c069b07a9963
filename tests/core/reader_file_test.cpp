// Loading from files: what cannot be opened changes nothing, and the
// hand-written inputs in tests/data/reader load as they should.

#include <gtest/gtest.h>

#include <string>

#include "cdf/CdfWriter.h"
#include "core/channel_builders.h"
#include "reader_support.h"
#include "text/Literals.h"

namespace fw {
namespace {

using testing::Child;
using testing::Outline;

std::string ReaderData(const std::string& name)
{
    return std::string(FEEDWRIGHT_TEST_DATA_DIR) + "/reader/" + name;
}

std::string Written(Channel& channel)
{
    StringSink sink;
    EXPECT_TRUE(WriteCdf(channel, sink));
    return sink.Bytes();
}

struct LoadedFile {
    std::unique_ptr<Channel> channel = std::make_unique<Channel>();
    ReadStatus status = ReadStatus::Ok;
};

LoadedFile LoadFile(const std::string& path)
{
    LoadedFile loaded;
    NullTraceSink trace;
    loaded.status = ReadCdfFile(*loaded.channel, path, trace);
    return loaded;
}

// A mistyped name, a folder or a file whose bytes cannot be read (reading
// /proc/self/mem from its start fails with an I/O error) must not look like a
// load that emptied or shortened the editor's channel.
TEST(ReaderFileTest, WhatCannotBeOpenedLeavesTheChannelAsItWas)
{
    Channel channel;
    cdftest::BuildWorkedExample(channel);
    channel.sitemap.Select(Child(*channel.sitemap.Root(), 0));
    const std::string before = Written(channel);
    const SitemapItem* selected = channel.sitemap.Selected();

    NullTraceSink trace;
    const std::string missing = ::testing::TempDir() + "/no-such-file.cdf";
    EXPECT_EQ(ReadCdfFile(channel, missing, trace), ReadStatus::CannotOpen);
    EXPECT_EQ(ReadCdfFile(channel, ::testing::TempDir(), trace), ReadStatus::CannotOpen);
    EXPECT_EQ(ReadCdfFile(channel, "/proc/self/mem", trace), ReadStatus::CannotOpen);
    EXPECT_EQ(Written(channel), before);
    EXPECT_EQ(channel.sitemap.Selected(), selected);
}

struct StatusCase {
    const char* file;
    ReadStatus status;
    const char* outline;  // the site map afterwards
};

TEST(ReaderFileTest, HandWrittenInputsLoadWithTheirStatus)
{
    const std::string page = std::string("P ") + std::string(kNewPageTitleSjis) + "\n";
    const StatusCase cases[] = {
        {"empty.cdf", ReadStatus::Phase0, ""},
        {"no_declaration.cdf", ReadStatus::Phase0, "P A\n"},
        {"lower_case_declaration.cdf", ReadStatus::Phase0, "P A\n"},
        {"declaration_without_question_mark.cdf", ReadStatus::Phase1, "P A\n"},
        {"tag_inside_title.cdf", ReadStatus::ElementError, page.c_str()},
        {"truncated_in_tag.cdf", ReadStatus::Ok, page.c_str()},
        {"truncated_in_title.cdf", ReadStatus::Ok, page.c_str()},
    };
    for (const StatusCase& c : cases) {
        auto loaded = LoadFile(ReaderData(c.file));
        EXPECT_EQ(loaded.status, c.status) << c.file;
        EXPECT_EQ(Outline(*loaded.channel->sitemap.Root()), c.outline) << c.file;
        if (std::string(c.file) != "empty.cdf") {
            EXPECT_EQ(loaded.channel->head.m_strHomeUrl, "http://example.jp") << c.file;
            EXPECT_EQ(loaded.channel->head.m_strTitle, "Title") << c.file;
        }
    }
}

TEST(ReaderFileTest, HandWrittenChannelLoadsCompletely)
{
    auto loaded = LoadFile(ReaderData("hand_written.cdf"));
    ASSERT_EQ(loaded.status, ReadStatus::Ok);
    const Channel& channel = *loaded.channel;
    EXPECT_EQ(channel.head.m_strCdfUrl, "http://example.jp/ch.cdf");
    EXPECT_EQ(channel.head.m_strHomeUrl, "http://example.jp/");
    EXPECT_EQ(channel.head.m_strBaseUrl, "http://example.jp/");
    EXPECT_EQ(channel.head.m_bUseBaseUrl, 1);
    EXPECT_EQ(channel.head.m_strTitle, "\x8e\xe8\x8f\x91\x82\xab\x82\xcc\n\x83\x60\x83\x83\x83\x93\x83\x6c\x83\x8b");
    EXPECT_EQ(channel.head.m_strAbstract, "\x90\xe0\x96\xbe &amp; \x92\x8d\x8b\x4c");
    EXPECT_EQ(channel.sitemap.Root()->Node().m_nLevel, 2);
    EXPECT_EQ(channel.logos.m_strIconUrl, "icon.ico");

    const ScheduleRecord& s = channel.schedule;
    EXPECT_EQ(s.m_bStartDate, 1);
    EXPECT_EQ(s.m_nStartYear, 2004u);
    EXPECT_EQ(s.m_nUpdateUnit, 1);
    EXPECT_EQ(s.m_nHourSel, 5);
    EXPECT_EQ(s.m_nIntervalHour, 6u);
    EXPECT_EQ(s.m_nIntervalMin, 10u);
    EXPECT_EQ(s.m_nLatestHour, 30u);

    const SitemapItem& root = *channel.sitemap.Root();
    ASSERT_EQ(root.ChildCount(), 2u);
    const SitemapNode& sub = Child(root, 0)->Node();
    EXPECT_EQ(sub.m_strHref, "sub/");
    EXPECT_EQ(Child(root, 0)->Label(), "\x83\x54\x83\x75");
    EXPECT_EQ(Child(*Child(root, 0), 0)->Node().m_strHref, "sub/a.htm");
    const SitemapNode& news = Child(root, 1)->Node();
    EXPECT_EQ(news.m_strHref, "news.htm");
    EXPECT_EQ(news.m_nLevel, 1);
    EXPECT_EQ(news.m_bPrecache, 1);  // "no" is not "NO"
    EXPECT_EQ(news.m_nUsage, kUsageScreenSaver);
    EXPECT_EQ(news.m_strIconHref, "");  // STYLE came before HREF
    EXPECT_EQ(Child(root, 1)->Label(), "\x83\x6a\x83\x85\x81\x5b\x83\x58");
}

TEST(ReaderFileTest, LineEndsOfEveryKind)
{
    auto loaded = LoadFile(ReaderData("mixed_line_ends.cdf"));
    EXPECT_EQ(loaded.status, ReadStatus::Ok);
    EXPECT_EQ(loaded.channel->head.m_strHomeUrl, "http://example.jp");
    EXPECT_EQ(loaded.channel->head.m_strTitle, "one\rtwo\nthree\nfour");
}

}  // namespace
}  // namespace fw
