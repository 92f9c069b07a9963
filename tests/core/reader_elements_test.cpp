// CHANNEL, ITEM, TITLE and ABSTRACT: where each value lands, attribute-name
// matching, and the tag-name rules.

#include <gtest/gtest.h>

#include <climits>

#include "reader_support.h"
#include "text/Literals.h"

namespace fw {
namespace {

using testing::Child;
using testing::LoadDeclared;
using testing::Outline;

TEST(ReaderChannelTest, TopLevelChannelFillsTheHeadAndTheRoot)
{
    auto loaded = LoadDeclared(
        "<CHANNEL\n  BASE=\"http://b/\"\n  HREF=\"http://h\"\n  SELF=\"http://s.cdf\"\n  LEVEL=\"3\"\n  PRECACHE=\"NO\">\n"
        "<TITLE>Head title</TITLE>\n<ABSTRACT>Head abstract</ABSTRACT>\n</CHANNEL>\n");
    EXPECT_EQ(loaded.status, ReadStatus::Ok);
    const ChannelHead& head = loaded.head();
    EXPECT_EQ(head.m_strBaseUrl, "http://b/");
    EXPECT_EQ(head.m_bUseBaseUrl, 1);
    EXPECT_EQ(head.m_strHomeUrl, "http://h");
    EXPECT_EQ(head.m_strCdfUrl, "http://s.cdf");
    EXPECT_EQ(head.m_strTitle, "Head title");
    EXPECT_EQ(head.m_strAbstract, "Head abstract");
    const SitemapNode& root = loaded.root().Node();
    EXPECT_EQ(root.m_strHref, "http://h");
    EXPECT_EQ(root.m_nLevel, 3);
    EXPECT_EQ(root.m_bPrecache, 0);
    EXPECT_EQ(root.m_strTitle, "Head title");
    EXPECT_EQ(root.m_strAbstract, "Head abstract");
    EXPECT_EQ(loaded.root().Label(), "Head title");
    EXPECT_EQ(root.m_strIconHref, "http://");
}

TEST(ReaderChannelTest, NestedChannelFillsOnlyItsOwnNode)
{
    auto loaded = LoadDeclared(
        "<CHANNEL HREF=\"http://h\">\n"
        "  <CHANNEL BASE=\"http://nested-base/\" HREF=\"sub.htm\" SELF=\"x.cdf\" LEVEL=\"2\" PRECACHE=\"NO\">\n"
        "  <TITLE>Sub</TITLE>\n  <ABSTRACT>Sub abstract</ABSTRACT>\n"
        "  </CHANNEL>\n</CHANNEL>\n");
    EXPECT_EQ(loaded.head().m_strBaseUrl, "http://");
    EXPECT_EQ(loaded.head().m_bUseBaseUrl, 0);
    EXPECT_EQ(loaded.head().m_strHomeUrl, "http://h");
    EXPECT_EQ(loaded.head().m_strCdfUrl, "http://");
    EXPECT_EQ(loaded.head().m_strTitle, kDefaultTitleSjis);
    EXPECT_EQ(loaded.head().m_strAbstract, "");
    ASSERT_EQ(loaded.root().ChildCount(), 1u);
    const SitemapItem& sub = *Child(loaded.root(), 0);
    EXPECT_FALSE(sub.IsPageImage());
    EXPECT_EQ(sub.Label(), "Sub");
    EXPECT_EQ(sub.Node().m_strTitle, "Sub");
    EXPECT_EQ(sub.Node().m_strAbstract, "Sub abstract");
    EXPECT_EQ(sub.Node().m_strHref, "sub.htm");
    EXPECT_EQ(sub.Node().m_nLevel, 2);
    EXPECT_EQ(sub.Node().m_bPrecache, 0);
    EXPECT_EQ(sub.Node().m_bIsPage, 0);
    EXPECT_EQ(loaded.root().Node().m_nLevel, 0);
}

TEST(ReaderChannelTest, PageTakesItsAttributesTitleAndAbstract)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n<ITEM HREF=\"a.htm\" LEVEL=\"1\" PRECACHE=\"NO\">\n<TITLE>Page A</TITLE>\n"
        "<ABSTRACT>About A</ABSTRACT>\n</ITEM>\n<TITLE>Channel again</TITLE>\n</CHANNEL>\n");
    ASSERT_EQ(loaded.root().ChildCount(), 1u);
    const SitemapItem& page = *Child(loaded.root(), 0);
    EXPECT_TRUE(page.IsPageImage());
    EXPECT_EQ(page.Label(), "Page A");
    const SitemapNode& node = page.Node();
    EXPECT_EQ(node.m_strHref, "a.htm");
    EXPECT_EQ(node.m_nLevel, 1);
    EXPECT_EQ(node.m_bPrecache, 0);
    EXPECT_EQ(node.m_strTitle, "Page A");
    EXPECT_EQ(node.m_strAbstract, "About A");
    EXPECT_EQ(node.m_bIsPage, 1);
    // After "</ITEM>" a TITLE belongs to the channel again.
    EXPECT_EQ(loaded.head().m_strTitle, "Channel again");
    EXPECT_EQ(loaded.root().Node().m_strAbstract, "");
}

struct ValueCase {
    const char* value;
    int level;
    int precache;
};

TEST(ReaderChannelTest, LevelIsTheLeadingIntegerAndOnlyExactNoClearsPrecache)
{
    const ValueCase cases[] = {
        {"3", 3, 1},          {"3abc", 3, 1}, {"abc", 0, 1},         {" -2", -2, 1},
        {"", 0, 1},           {"NO", 0, 0},   {"no", 0, 1},          {"YES", 0, 1},
        {"NO ", 0, 1},        {" NO", 0, 1},  {"99999999999999999999", INT_MAX, 1},
    };
    for (const ValueCase& c : cases) {
        const std::string value = c.value;
        auto loaded = LoadDeclared("<CHANNEL LEVEL=\"" + value + "\" PRECACHE=\"" + value + "\">\n<ITEM LEVEL=\"" +
                                   value + "\" PRECACHE=\"" + value + "\"></ITEM></CHANNEL>");
        EXPECT_EQ(loaded.root().Node().m_nLevel, c.level) << value;
        EXPECT_EQ(loaded.root().Node().m_bPrecache, c.precache) << value;
        EXPECT_EQ(Child(loaded.root(), 0)->Node().m_nLevel, c.level) << value;
        EXPECT_EQ(Child(loaded.root(), 0)->Node().m_bPrecache, c.precache) << value;
    }
}

TEST(ReaderAttributeTest, NamesMatchInAnyCaseWithBlanksAroundTheEqualsSign)
{
    auto loaded = LoadDeclared("<CHANNEL href = \"http://h\"\n\tself\t=\t\"s\">\n<ITEM\nHref  =  \"p\"></ITEM></CHANNEL>");
    EXPECT_EQ(loaded.head().m_strHomeUrl, "http://h");
    EXPECT_EQ(loaded.head().m_strCdfUrl, "s");
    EXPECT_EQ(Child(loaded.root(), 0)->Node().m_strHref, "p");
}

TEST(ReaderAttributeTest, NamesMatchBySubstringFirstNameInOrderWins)
{
    // "BASEHREF" holds BASE and HREF; BASE comes first in the CHANNEL's list.
    auto loaded = LoadDeclared("<CHANNEL basehref=\"b\" x-href-y=\"h\" unknown=\"u\" selfish=\"s\">");
    EXPECT_EQ(loaded.head().m_strBaseUrl, "b");
    EXPECT_EQ(loaded.head().m_strHomeUrl, "h");
    EXPECT_EQ(loaded.head().m_strCdfUrl, "s");
}

TEST(ReaderAttributeTest, ValuesKeepTheirBytesAndAreNotUnescaped)
{
    auto loaded = LoadDeclared("<CHANNEL HREF=\" http://h/?a=1&amp;b=<2> \">\n<TITLE>A &amp; B &lt;</TITLE>");
    EXPECT_EQ(loaded.head().m_strHomeUrl, " http://h/?a=1&amp;b=<2> ");
    EXPECT_EQ(loaded.head().m_strTitle, "A &amp; B &lt;");
}

TEST(ReaderAttributeTest, LaterValuesOverwriteEarlierOnes)
{
    auto loaded = LoadDeclared(
        "<CHANNEL HREF=\"first\" HREF=\"second\"></CHANNEL>\n<CHANNEL SELF=\"again\"><TITLE>Second</TITLE></CHANNEL>");
    EXPECT_EQ(loaded.head().m_strHomeUrl, "second");
    EXPECT_EQ(loaded.head().m_strCdfUrl, "again");
    EXPECT_EQ(loaded.head().m_strTitle, "Second");
    EXPECT_EQ(loaded.root().ChildCount(), 0u);
}

// Sub-channels come first in a channel's children and pages after, each kind
// in file order, whatever the order in the file.
TEST(ReaderTreeTest, BuildsSubChannelsBeforePagesInFileOrder)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n"
        "<ITEM><TITLE>P1</TITLE></ITEM>\n"
        "<CHANNEL><TITLE>C1</TITLE>\n"
        "  <ITEM><TITLE>C1-P1</TITLE></ITEM>\n"
        "  <CHANNEL><TITLE>C1-C1</TITLE></CHANNEL>\n"
        "</CHANNEL>\n"
        "<ITEM><TITLE>P2</TITLE></ITEM>\n"
        "<CHANNEL><TITLE>C2</TITLE></CHANNEL>\n"
        "</CHANNEL>\n");
    EXPECT_EQ(Outline(loaded.root()),
              "C C1\n  C C1-C1\n  P C1-P1\nC C2\nP P1\nP P2\n");
}

TEST(ReaderTreeTest, ClosingTagsWithNothingOpenChangeNothing)
{
    auto loaded = LoadDeclared(
        "</CHANNEL></ITEM></SCHEDULE></USAGE>\n<CHANNEL HREF=\"h\"><CHANNEL><TITLE>Sub</TITLE></CHANNEL></CHANNEL>"
        "</CHANNEL></CHANNEL>\n<ITEM><TITLE>Late page</TITLE></ITEM>\n<TITLE>Outside</TITLE>");
    EXPECT_EQ(loaded.status, ReadStatus::Ok);
    EXPECT_EQ(loaded.head().m_strHomeUrl, "h");
    EXPECT_EQ(Outline(loaded.root()), "C Sub\nP Late page\n");
    EXPECT_EQ(loaded.head().m_strTitle, kDefaultTitleSjis);
}

TEST(ReaderTreeTest, ItemsDoNotNest)
{
    auto loaded = LoadDeclared("<CHANNEL><ITEM><TITLE>A</TITLE><ITEM><TITLE>B</TITLE></ITEM></ITEM></CHANNEL>");
    EXPECT_EQ(Outline(loaded.root()), "P A\nP B\n");
}

// Only exact upper-case names ended by '>', a blank, a line feed or a tab
// are elements; anything else is skipped like text.
TEST(ReaderTreeTest, TagNamesAreExactAndCaseSensitive)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n"
        "<item><TITLE>lower</TITLE></item>\n"      // TITLE goes to the channel
        "<ITEM/>\n<ITEMS>\n< ITEM>\n<!-- <ITEM -->\n"  // the comment hides nothing
        "<ITEM\tHREF=\"tab\"></ITEM>\n<ITEM\nHREF=\"lf\"></ITEM>\n<ITEM\r\nHREF=\"crlf\"></ITEM>\n"
        "<ITEM />\n"
        "</CHANNEL>");
    EXPECT_EQ(loaded.head().m_strTitle, "lower");
    ASSERT_EQ(loaded.root().ChildCount(), 5u);
    EXPECT_EQ(Child(loaded.root(), 0)->Node().m_strHref, "http://");  // "<!-- <ITEM -->"
    EXPECT_EQ(Child(loaded.root(), 1)->Node().m_strHref, "tab");
    EXPECT_EQ(Child(loaded.root(), 2)->Node().m_strHref, "lf");
    EXPECT_EQ(Child(loaded.root(), 3)->Node().m_strHref, "crlf");
    EXPECT_EQ(Child(loaded.root(), 4)->Node().m_strHref, "http://");
}

TEST(ReaderTreeTest, PagesOutsideEveryChannelGoToTheRoot)
{
    auto loaded = LoadDeclared("<ITEM HREF=\"a\"><TITLE>A</TITLE></ITEM>");
    EXPECT_EQ(Outline(loaded.root()), "P A\n");
}

TEST(ReaderTextTest, TitleTextKeepsLineBreaksAndWhiteSpace)
{
    auto loaded = LoadDeclared("<CHANNEL><TITLE>\r\n  First line\r\nsecond\tline \r\n</TITLE>");
    EXPECT_EQ(loaded.head().m_strTitle, "\n  First line\nsecond\tline \n");
    EXPECT_EQ(loaded.root().Label(), "\n  First line\nsecond\tline \n");
}

TEST(ReaderTextTest, ClosingTagIsComparedAfterUpperCasing)
{
    auto loaded = LoadDeclared("<CHANNEL><TITLE>T</title><ABSTRACT>A</Abstract>");
    EXPECT_EQ(loaded.status, ReadStatus::Ok);
    EXPECT_EQ(loaded.head().m_strTitle, "T");
    EXPECT_EQ(loaded.head().m_strAbstract, "A");
}

TEST(ReaderTextTest, AttributesOfATitleStartTagBecomeText)
{
    auto loaded = LoadDeclared("<CHANNEL><TITLE lang=\"ja\">T</TITLE>");
    EXPECT_EQ(loaded.head().m_strTitle, "lang=\"ja\">T");
}

TEST(ReaderTextTest, ShiftJisTextPassesUnchanged)
{
    const std::string title = "\x83\x5E\x83\x43\x83\x67\x83\x8B abc";  // lower case stays lower case
    auto loaded = LoadDeclared("<CHANNEL><ITEM><TITLE>" + title + "</TITLE></ITEM>");
    EXPECT_EQ(Child(loaded.root(), 0)->Label(), title);
    EXPECT_EQ(Child(loaded.root(), 0)->Node().m_strTitle, title);
}

struct ElementErrorCase {
    const char* name;
    const char* element;
};

// A wrong closing tag stops the load at once: that text is not stored, what
// came before stays, nothing after it is read.
TEST(ReaderTextTest, WrongClosingTagIsAnElementError)
{
    const ElementErrorCase cases[] = {
        {"tag inside the text", "<TITLE>Bad <B>bold</B></TITLE>"},
        {"blank before '>'", "<TITLE>Bad</TITLE >"},
        {"other element's tag", "<TITLE>Bad</ABSTRACT>"},
        {"abstract closed as title", "<ABSTRACT>Bad</TITLE>"},
        {"start tag instead of end tag", "<TITLE>Bad<TITLE>"},
    };
    for (const ElementErrorCase& c : cases) {
        auto loaded = testing::Load(std::string("<CHANNEL HREF=\"kept\"><ITEM><TITLE>Kept</TITLE></ITEM>\n") +
                                    "<TITLE>Channel</TITLE>\n" + c.element +
                                    "\n<ITEM HREF=\"never\"></ITEM>\n<?XML ?>");
        EXPECT_EQ(loaded.status, ReadStatus::ElementError) << c.name;  // even without a declaration
        EXPECT_EQ(loaded.head().m_strHomeUrl, "kept") << c.name;
        EXPECT_EQ(loaded.head().m_strTitle, "Channel") << c.name;
        EXPECT_EQ(loaded.head().m_strAbstract, "") << c.name;
        EXPECT_EQ(Outline(loaded.root()), "P Kept\n") << c.name;
    }
}

TEST(ReaderTextTest, TitleOutsideEveryChannelAndItemChangesNothing)
{
    auto loaded = LoadDeclared("<TITLE>Loose</TITLE><ABSTRACT>Loose</ABSTRACT>\n<CHANNEL HREF=\"h\"></CHANNEL>");
    EXPECT_EQ(loaded.status, ReadStatus::Ok);
    EXPECT_EQ(loaded.head().m_strTitle, kDefaultTitleSjis);
    EXPECT_EQ(loaded.head().m_strAbstract, "");
    EXPECT_EQ(loaded.root().Label(), kDefaultTitleSjis);
    EXPECT_EQ(loaded.root().Node().m_strAbstract, "");
    EXPECT_EQ(loaded.head().m_strHomeUrl, "h");

    // Still checked: a loose TITLE with a wrong closing tag stops the load.
    EXPECT_EQ(LoadDeclared("<TITLE>Loose</ITEM>").status, ReadStatus::ElementError);
}

}  // namespace
}  // namespace fw
