// The declaration check, empty and truncated files, and what a load starts from.

#include <gtest/gtest.h>

#include "reader_support.h"
#include "text/Literals.h"

namespace fw {
namespace {

using testing::Load;
using testing::LoadDeclared;

constexpr std::string_view kBody = "<CHANNEL HREF=\"http://h\">\n<TITLE>T</TITLE>\n<ITEM HREF=\"p\"></ITEM>\n</CHANNEL>\n";

struct PrologCase {
    const char* name;
    std::string prolog;
    ReadStatus status;
};

// Whatever the declaration, the rest of the file is read completely.
TEST(ReaderPrologTest, DeclarationDecidesTheStatusButNotWhatIsRead)
{
    const PrologCase cases[] = {
        {"writer's declaration", std::string(testing::kDeclaration), ReadStatus::Ok},
        {"declaration without attributes", "<?XML ?>", ReadStatus::Ok},
        {"no declaration", "", ReadStatus::Phase0},
        {"lower-case declaration", "<?xml version=\"1.0\"?>\n", ReadStatus::Phase0},
        {"declaration glued to its '>'", "<?XML?>\n", ReadStatus::Phase0},
        {"declaration without '?'", "<?XML VERSION=\"1.0\">\n", ReadStatus::Phase1},
        {"'?' followed by a blank", "<?XML VERSION=\"1.0\"? >\n", ReadStatus::Phase1},
    };
    for (const PrologCase& c : cases) {
        auto loaded = Load(c.prolog + std::string(kBody));
        EXPECT_EQ(loaded.status, c.status) << c.name;
        EXPECT_EQ(loaded.head().m_strHomeUrl, "http://h") << c.name;
        EXPECT_EQ(loaded.head().m_strTitle, "T") << c.name;
        EXPECT_EQ(testing::Outline(loaded.root()), "P " + std::string(kNewPageTitleSjis) + "\n") << c.name;
    }
}

TEST(ReaderPrologTest, DeclarationCountsWhereverItStandsButOnlyOnce)
{
    EXPECT_EQ(Load(std::string(kBody) + "<?XML VERSION=\"1.0\"?>").status, ReadStatus::Ok);
    // The first one decides; a later complete one does not repair it.
    EXPECT_EQ(Load("<?XML A>\n<?XML B?>\n" + std::string(kBody)).status, ReadStatus::Phase1);
}

TEST(ReaderPrologTest, EmptyFileLeavesTheClearedChannel)
{
    auto loaded = Load("<?XML ?><CHANNEL HREF=\"x\" BASE=\"b\"><TITLE>Old</TITLE><ITEM></ITEM></CHANNEL>");
    NullTraceSink trace;
    EXPECT_EQ(ReadCdfBytes(*loaded.channel, "", trace), ReadStatus::Phase0);
    EXPECT_EQ(loaded.head().m_strHomeUrl, "http://");
    EXPECT_EQ(loaded.head().m_strBaseUrl, "http://");
    EXPECT_EQ(loaded.head().m_bUseBaseUrl, 0);
    EXPECT_EQ(loaded.head().m_strTitle, kDefaultTitleSjis);
    EXPECT_EQ(loaded.root().ChildCount(), 0u);
    EXPECT_EQ(loaded.root().Label(), kDefaultTitleSjis);
}

TEST(ReaderPrologTest, EndInsideTheDeclarationIsPhaseOne)
{
    EXPECT_EQ(Load("<?XML VERSION=\"1.0\"?").status, ReadStatus::Phase1);
    EXPECT_EQ(Load("<?XML").status, ReadStatus::Phase0);
}

// A truncated file keeps what was read before its end; the status is that of
// the declaration alone.
TEST(ReaderPrologTest, FileEndingInsideATagKeepsWhatCameBefore)
{
    auto inTag = LoadDeclared("<CHANNEL HREF=\"http://h\">\n<ITEM HREF=\"a\"></ITEM>\n<ITEM HREF=\"b");
    EXPECT_EQ(inTag.status, ReadStatus::Ok);
    EXPECT_EQ(inTag.head().m_strHomeUrl, "http://h");
    ASSERT_EQ(inTag.root().ChildCount(), 2u);
    EXPECT_EQ(testing::Child(inTag.root(), 0)->Node().m_strHref, "a");
    EXPECT_EQ(testing::Child(inTag.root(), 1)->Node().m_strHref, "http://");  // value never closed

    auto inName = Load("<CHANNEL HREF=\"http://h\"><ITEM");
    EXPECT_EQ(inName.status, ReadStatus::Phase0);
    EXPECT_EQ(inName.head().m_strHomeUrl, "http://h");
    EXPECT_EQ(inName.root().ChildCount(), 0u);

    auto inTitle = LoadDeclared("<CHANNEL><TITLE>First</TITLE><ITEM><TITLE>Unfinished");
    EXPECT_EQ(inTitle.status, ReadStatus::Ok);
    EXPECT_EQ(inTitle.head().m_strTitle, "First");
    EXPECT_EQ(testing::Child(inTitle.root(), 0)->Label(), kNewPageTitleSjis);

    auto inClosingTag = LoadDeclared("<CHANNEL><TITLE>Unfinished</TIT");
    EXPECT_EQ(inClosingTag.status, ReadStatus::Ok);
    EXPECT_EQ(inClosingTag.head().m_strTitle, kDefaultTitleSjis);
}

}  // namespace
}  // namespace fw
