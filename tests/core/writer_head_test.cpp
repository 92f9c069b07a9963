// The channel's head: normalisation in place, the base URL, the logos, the
// schedule's choices, and line breaks held inside members.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/channel_builders.h"
#include "core/writer_test_support.h"

namespace {

using cdftest::HasLine;
using cdftest::Written;

TEST(WriterHead, UrlsAreWrittenTrimmedWithoutTrailingSlashAndTheMembersKeepThatForm)
{
    fw::Channel channel;
    channel.head.m_strHomeUrl = " http://server/dir/ ";
    channel.head.m_strCdfUrl = "\thttp://server/dir/c.cdf\r\n";
    channel.head.m_strTitle = " Title/ ";  // the head's title and abstract are never normalised
    channel.head.m_strAbstract = " Abstract/ ";
    channel.logos.m_strIconUrl = " http://server/i.ico/ ";

    const std::string bytes = Written(channel);
    EXPECT_TRUE(HasLine(bytes, "  HREF=\"http://server/dir\"")) << bytes;
    EXPECT_TRUE(HasLine(bytes, "  SELF=\"http://server/dir/c.cdf\"")) << bytes;
    EXPECT_TRUE(HasLine(bytes, "<TITLE> Title/ </TITLE>")) << bytes;
    EXPECT_TRUE(HasLine(bytes, "<ABSTRACT> Abstract/ </ABSTRACT>")) << bytes;
    EXPECT_TRUE(HasLine(bytes, "  <LOGO HREF=\"http://server/i.ico\" STYLE=\"ICON\"/>")) << bytes;

    EXPECT_EQ(channel.head.m_strHomeUrl, "http://server/dir");
    EXPECT_EQ(channel.head.m_strCdfUrl, "http://server/dir/c.cdf");
    EXPECT_EQ(channel.head.m_strTitle, " Title/ ");
    EXPECT_EQ(channel.head.m_strAbstract, " Abstract/ ");
    EXPECT_EQ(channel.logos.m_strIconUrl, "http://server/i.ico");
}

TEST(WriterHead, EmptyHomeUrlStillWritesItsAttribute)
{
    fw::Channel channel;
    channel.head.m_strHomeUrl = "   ";
    EXPECT_TRUE(HasLine(Written(channel), "  HREF=\"\""));
}

TEST(WriterHead, BaseUrlIsWrittenOnlyWhenUsedAndGetsItsClosingSlash)
{
    struct Case {
        int use;
        const char* base;
        std::optional<std::string> line;  // the BASE line, or none
        const char* memberAfter;
    };
    const Case cases[] = {
        {1, "http://server/dir", "  BASE=\"http://server/dir/\"", "http://server/dir/"},
        {1, "http://server/dir/", "  BASE=\"http://server/dir/\"", "http://server/dir/"},
        {1, "http://", "  BASE=\"http://\"", "http://"},
        {1, " http://x ", "  BASE=\" http://x /\"", " http://x /"},  // only the slash, no trimming
        {1, "", std::nullopt, ""},
        {0, "http://server/dir", std::nullopt, "http://server/dir"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("base '") + c.base + "' use " + std::to_string(c.use));
        fw::Channel channel;
        channel.head.m_bUseBaseUrl = c.use;
        channel.head.m_strBaseUrl = c.base;
        const std::string bytes = Written(channel);
        if (c.line)
            EXPECT_TRUE(HasLine(bytes, "<CHANNEL\r\n" + *c.line)) << bytes;
        else
            EXPECT_EQ(bytes.find("BASE="), std::string::npos) << bytes;
        EXPECT_EQ(channel.head.m_strBaseUrl, c.memberAfter);
    }
}

TEST(WriterHead, LogoIsWrittenUnlessItIsEmptyOrExactlyTheDefaultText)
{
    struct Case {
        const char* url;
        const char* written;  // the HREF value, or null for no LOGO line
    };
    const Case cases[] = {
        {"http://", nullptr},
        {"", nullptr},
        {"  ", nullptr},
        {"http:///", nullptr},  // loses one slash and is then the default text
        {"HTTP://", "HTTP://"},  // the default text is compared exactly
        {"http://server/a.gif/", "http://server/a.gif"},
        {"http://server/a.gif//", "http://server/a.gif/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("logo '") + c.url + "'");
        fw::Channel channel;
        channel.logos.m_strLogoUrl = c.url;
        const std::string bytes = Written(channel);
        if (c.written)
            EXPECT_TRUE(HasLine(bytes, std::string("  <LOGO HREF=\"") + c.written + "\" STYLE=\"IMAGE\"/>")) << bytes;
        else
            EXPECT_EQ(bytes.find("<LOGO"), std::string::npos) << bytes;
    }
}

TEST(WriterHead, IntervalFollowsTheUnitButIsPresentWheneverAnyOfItsFieldsIsSet)
{
    struct Case {
        int unit;
        unsigned day, hour, min;
        const char* line;  // null for no INTERVALTIME line
    };
    const Case cases[] = {
        {0, 7, 12, 30, "    <INTERVALTIME DAY=\"7\"/>"},      // day unit ignores hours and minutes
        {1, 14, 12, 0, "    <INTERVALTIME HOUR=\"12\"/>"},    // hour unit ignores days
        {1, 14, 0, 45, "    <INTERVALTIME MIN=\"45\"/>"},
        {0, 0, 0, 5, "    <INTERVALTIME/>"},                  // present, but nothing to say in days
        {0, 0, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "unit " << c.unit << " " << c.day << "/" << c.hour << "/" << c.min);
        fw::Channel channel;
        channel.schedule.m_nUpdateUnit = c.unit;
        channel.schedule.m_nIntervalDay = c.day;
        channel.schedule.m_nIntervalHour = c.hour;
        channel.schedule.m_nIntervalMin = c.min;
        const std::string bytes = Written(channel);
        if (c.line)
            EXPECT_TRUE(HasLine(bytes, c.line)) << bytes;
        else
            EXPECT_TRUE(HasLine(bytes, "  <SCHEDULE>\r\n  </SCHEDULE>")) << bytes;
    }
}

TEST(WriterHead, UpdateWindowIgnoresTheUnitAndWritesDayHourMinuteInThatOrder)
{
    fw::Channel channel;
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.m_nEarliestMin = 15;
    channel.schedule.m_nEarliestDay = 2;
    channel.schedule.m_nLatestDay = 3;
    channel.schedule.m_nLatestHour = 4;
    channel.schedule.m_nLatestMin = 5;
    const std::string bytes = Written(channel);
    EXPECT_TRUE(HasLine(bytes, "    <EARLIESTTIME DAY=\"2\" MIN=\"15\"/>\r\n    <LATESTTIME DAY=\"3\" HOUR=\"4\" MIN=\"5\"/>"))
        << bytes;
}

// A line break typed into a multi-line edit is held as CR LF, one read from a
// file as LF; either way the file gets exactly one CR LF for it.
TEST(WriterHead, EachLineBreakInAMemberBecomesExactlyOneCrLf)
{
    struct Case {
        const char* held;
        const char* written;
    };
    const Case cases[] = {
        {"one\ntwo", "one\r\ntwo"},
        {"one\r\ntwo", "one\r\ntwo"},
        {"one\rtwo", "one\rtwo"},                // a lone CR is not a line break
        {"one\r\r\ntwo", "one\r\r\ntwo"},        // a lone CR, then a line break
        {"one\n\ntwo\r\n\r\n", "one\r\n\r\ntwo\r\n\r\n"},
        {"\n", "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.held)));
        fw::Channel channel;
        channel.head.m_strAbstract = c.held;
        channel.head.m_strTitle = c.held;
        const std::string bytes = Written(channel);
        EXPECT_NE(bytes.find(std::string("<ABSTRACT>") + c.written + "</ABSTRACT>\r\n\r\n"), std::string::npos)
            << ::testing::PrintToString(bytes);
        EXPECT_NE(bytes.find(std::string("<TITLE>") + c.written + "</TITLE>\r\n"), std::string::npos)
            << ::testing::PrintToString(bytes);
        EXPECT_EQ(channel.head.m_strAbstract, c.held) << "the member itself is not changed";
    }
}

TEST(WriterHead, LineBreaksInsideAnItemsTitleAndAbstractBecomeOneCrLfToo)
{
    fw::Channel channel;
    fw::SitemapNode page = cdftest::Page("p.htm", "first\r\nsecond");
    page.m_strAbstract = "a\nb";
    cdftest::AddChild(channel, channel.sitemap.Root(), page);
    const std::string items = cdftest::ItemsPart(Written(channel));
    EXPECT_NE(items.find("  <TITLE>first\r\nsecond</TITLE>\r\n"), std::string::npos) << items;
    EXPECT_NE(items.find("  <ABSTRACT>a\r\nb</ABSTRACT>\r\n"), std::string::npos) << items;
}

}  // namespace
