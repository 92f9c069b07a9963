// USAGE (a page's usage code) and LOGO (icons of pages and sub-channels, the
// channel's logo set).

#include <gtest/gtest.h>

#include "reader_support.h"

namespace fw {
namespace {

using testing::Child;
using testing::LoadDeclared;

int UsageOfPageWith(const std::string& usage)
{
    auto loaded = LoadDeclared("<CHANNEL>\n  <ITEM HREF=\"p\">\n  " + usage + "\n  </ITEM>\n</CHANNEL>\n");
    return Child(loaded.root(), 0)->Node().m_nUsage;
}

struct UsageCase {
    const char* usage;
    int code;
};

TEST(ReaderUsageTest, ValueWordsInAnyCase)
{
    const UsageCase cases[] = {
        {"<USAGE VALUE=\"NONE\"></USAGE>", kUsageNone},
        {"<USAGE VALUE=\"Email\"></USAGE>", kUsageEmail},
        {"<USAGE VALUE=\"ScreenSaver\"></USAGE>", kUsageScreenSaver},
        {"<USAGE VALUE=\"DesktopComponent\"></USAGE>", kUsageDesktopComponent},
        {"<USAGE VALUE=\"SoftwareUpdate\"></USAGE>", kUsageSoftwareUpdate},
        {"<USAGE VALUE=\"email\"/>", kUsageEmail},
        {"<USAGE value=\"none\"/>", kUsageNone},
        {"<USAGE\nVALUE=\"NONE\"/>", kUsageNone},
        {"<USAGE VALUE=\"Channel\"/>", kUsageSitemap},
    };
    for (const UsageCase& c : cases)
        EXPECT_EQ(UsageOfPageWith(c.usage), c.code) << c.usage;
}

// The name must be exactly VALUE, so it must follow the element name's one
// blank; and any word the list does not know is usage 0.
TEST(ReaderUsageTest, OnlyAnExactValueNameCounts)
{
    const std::string setEmail = "<USAGE VALUE=\"Email\"/>";
    const UsageCase cases[] = {
        {"<USAGE  VALUE=\"NONE\"/>", kUsageEmail},            // two blanks
        {"<USAGE X=\"1\" VALUE=\"NONE\"/>", kUsageEmail},     // another attribute first
        {"<USAGE VALUE =\"NONE\"/>", kUsageEmail},            // blank before '='
        {"<USAGE VALUES=\"NONE\"/>", kUsageEmail},
        {"<USAGE VALUE=\"Unknown\"/>", kUsageSitemap},
        {"<USAGE VALUE=\"\"/>", kUsageSitemap},
        {"<USAGE VALUE=\" NONE\"/>", kUsageSitemap},
    };
    for (const UsageCase& c : cases)
        EXPECT_EQ(UsageOfPageWith(setEmail + c.usage), c.code) << c.usage;
}

TEST(ReaderUsageTest, UsageOutsideAPageChangesNothing)
{
    auto loaded = LoadDeclared(
        "<USAGE VALUE=\"NONE\"/>\n<CHANNEL><USAGE VALUE=\"NONE\"/>\n"
        "  <CHANNEL><USAGE VALUE=\"NONE\"/></CHANNEL>\n"
        "  <ITEM></ITEM><USAGE VALUE=\"NONE\"/>\n</CHANNEL>");
    EXPECT_EQ(loaded.root().Node().m_nUsage, kUsageSitemap);
    EXPECT_EQ(Child(loaded.root(), 0)->Node().m_nUsage, kUsageSitemap);  // the sub-channel
    EXPECT_EQ(Child(loaded.root(), 1)->Node().m_nUsage, kUsageSitemap);  // after "</ITEM>"
}

TEST(ReaderLogoTest, TopLevelLogosFillTheLogoSet)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n  <LOGO HREF=\"http://i.ico\" STYLE=\"ICON\"/>\n  <LOGO HREF=\"http://l.gif\" STYLE=\"image\"/>\n"
        "  <LOGO href=\"http://w.gif\" style=\"Image-Wide\"/>\n</CHANNEL>");
    EXPECT_EQ(loaded.logos().m_strIconUrl, "http://i.ico");
    EXPECT_EQ(loaded.logos().m_strLogoUrl, "http://l.gif");
    EXPECT_EQ(loaded.logos().m_strWideLogoUrl, "http://w.gif");
    EXPECT_EQ(loaded.root().Node().m_strIconHref, "http://");
}

// STYLE applies the URL read so far: HREF must come first.
TEST(ReaderLogoTest, StyleBeforeHrefStoresTheEmptyUrl)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n  <LOGO STYLE=\"ICON\" HREF=\"http://i.ico\"/>\n  <LOGO STYLE=\"IMAGE\"/>\n"
        "  <LOGO HREF=\"a\" STYLE=\"IMAGE-WIDE\" HREF=\"b\"/>\n</CHANNEL>");
    EXPECT_EQ(loaded.logos().m_strIconUrl, "");
    EXPECT_EQ(loaded.logos().m_strLogoUrl, "");
    EXPECT_EQ(loaded.logos().m_strWideLogoUrl, "a");
}

TEST(ReaderLogoTest, IconsOfPagesAndSubChannelsOnlyIcons)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n"
        "  <CHANNEL><LOGO HREF=\"sub.ico\" STYLE=\"ICON\"/><LOGO HREF=\"sub.gif\" STYLE=\"IMAGE\"/></CHANNEL>\n"
        "  <ITEM><LOGO HREF=\"page.gif\" STYLE=\"IMAGE-WIDE\"/><LOGO HREF=\"page.ico\" STYLE=\"icon\"/>"
        "<LOGO HREF=\"x\" STYLE=\"ICONS\"/></ITEM>\n"
        "</CHANNEL>");
    EXPECT_EQ(Child(loaded.root(), 0)->Node().m_strIconHref, "sub.ico");
    EXPECT_EQ(Child(loaded.root(), 1)->Node().m_strIconHref, "page.ico");
    const LogoSet defaults;
    EXPECT_EQ(loaded.logos().m_strIconUrl, defaults.m_strIconUrl);
    EXPECT_EQ(loaded.logos().m_strLogoUrl, defaults.m_strLogoUrl);
    EXPECT_EQ(loaded.logos().m_strWideLogoUrl, defaults.m_strWideLogoUrl);
}

TEST(ReaderLogoTest, LogoOutsideEveryChannelAndItemChangesNothing)
{
    auto loaded = LoadDeclared("<LOGO HREF=\"x.ico\" STYLE=\"ICON\"/><LOGO HREF=\"x.gif\" STYLE=\"IMAGE\"/>\n"
                               "<CHANNEL></CHANNEL><LOGO HREF=\"y.ico\" STYLE=\"ICON\"/>");
    const LogoSet defaults;
    EXPECT_EQ(loaded.logos().m_strIconUrl, defaults.m_strIconUrl);
    EXPECT_EQ(loaded.logos().m_strLogoUrl, defaults.m_strLogoUrl);
    EXPECT_EQ(loaded.root().Node().m_strIconHref, "http://");
}

}  // namespace
}  // namespace fw
