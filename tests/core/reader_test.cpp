// The reader: its byte source and scans, what each element of a .cdf file
// does to the channel, the declaration check, files that end early or cannot
// be read, and the running trace.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "cdf/ByteScanner.h"
#include "cdf/CdfProgress.h"
#include "core/core_test_support.h"
#include "text/Literals.h"

namespace {

using fw::ReadStatus;

// Successive scans of an input read in text mode (CR LF arrives as LF, a lone
// CR stays); one delimiter is a ReadUntilChar, more a ReadUntilAny (whose
// result is the delimiter's 1-based position).
TEST(ByteScanner, ScansStopAtTheirDelimiterOrAtTheEnd)
{
    const struct {
        const char* input;  // null: go on with the last one
        const char* delimiters;
        bool upper;
        int stop;
        const char* out;
    } scans[] = {
        {"<one=t\x83\x61o\r\n\"rest", "<", false, 1, ""},  {nullptr, "=", false, 1, "one"},
        {nullptr, "\"", true, 1, "T\x83\x61O\n"},  // the trail byte 0x61 of a double-byte character stays
        {nullptr, ">", true, 0, "REST"},             {nullptr, ">", false, 0, ""},
        {" href=Style>\tX\nItem\r\nzz", "=>", true, 1, " HREF"}, {nullptr, "=>", true, 2, "STYLE"},
        {nullptr, "> \n\t", false, 4, ""},            {nullptr, "> \n\t", false, 3, "X"},
        {nullptr, "> \n\t", false, 3, "Item"},        {nullptr, "=>", true, 0, "ZZ"},
        {nullptr, "=>", false, 0, ""},
        {"a\r\nb\rc\r\r\n\n\r\x83\xff\r", "|", false, 0, "a\nb\rc\r\n\n\r\x83\xff\r"}, {nullptr, "|", false, 0, ""},
    };
    std::optional<fw::CdfInput> input;
    for (const auto& scan : scans) {
        SCOPED_TRACE(::testing::PrintToString(std::string(scan.out)));
        if (scan.input != nullptr)
            input.emplace(std::string_view(scan.input));
        std::string out = "old";
        const std::string_view delimiters = scan.delimiters;
        const int stop = delimiters.size() == 1 ? fw::ReadUntilChar(*input, out, delimiters[0], scan.upper)
                                                : fw::ReadUntilAny(*input, out, delimiters, scan.upper);
        EXPECT_EQ(stop, scan.stop);
        EXPECT_EQ(out, scan.out);
    }
}

const std::string kDeclared = "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n";
const std::string kNewPage(fw::kNewPageTitleSjis);

std::string Scheduled(const std::string& schedule)
{
    return kDeclared + "<CHANNEL>\r\n<SCHEDULE>" + schedule + "</SCHEDULE>\r\n</CHANNEL>\r\n";
}

struct ReadCase {
    const char* name;
    std::string bytes;
    ReadStatus status;
    std::string expected;  // cdftest::Describe of the loaded channel
};

TEST(Reader, EachElementChangesItsOwnPartOfTheChannel)
{
    const std::string body = "<CHANNEL HREF=\"h\">\r\n<TITLE>T</TITLE>\r\n<ITEM><TITLE>a</TITLE></ITEM>\r\n</CHANNEL>";
    const ReadCase cases[] = {
        // The declaration decides the status; the rest is read whatever it says.
        {"no declaration", body, ReadStatus::Phase0, "Title=T HomeUrl=h | P a"},
        {"lower-case declaration", "<?xml version=\"1.0\"?>" + body, ReadStatus::Ok, "Title=T HomeUrl=h | P a"},
        {"empty file", "", ReadStatus::Phase0, ""},
        {"declaration without '?', a later one too late", "<?XML VERSION=\"1.0\"><?XML ?>" + body, ReadStatus::Phase1,
         "Title=T HomeUrl=h | P a"},

        {"top-level channel", kDeclared + "<CHANNEL\r\n  BASE=\"http://b/\"\r\n  HREF=\"http://h\"\r\n  SELF=\"s\"\r\n"
            "  LEVEL=\"3\"\r\n  PRECACHE=\"NO\">\r\n<TITLE>T</TITLE>\r\n<ABSTRACT>A</ABSTRACT>\r\n</CHANNEL>",
         ReadStatus::Ok,
         "CdfUrl=s Abstract=A Title=T HomeUrl=http://h BaseUrl=http://b/ UseBaseUrl=1 Root.Level=3 Root.Precache=0"},
        {"nested channel: BASE and SELF not taken", kDeclared + "<CHANNEL HREF=\"h\"><CHANNEL BASE=\"b/\" "
            "HREF=\"s.htm\" SELF=\"x\" LEVEL=\"2\" PRECACHE=\"NO\"><TITLE>S</TITLE><ABSTRACT>SA</ABSTRACT></CHANNEL>",
         ReadStatus::Ok, "HomeUrl=h | C S{Href=s.htm Abstract=SA Level=2 Precache=0}"},
        {"page, then TITLE for the channel again", kDeclared + "<CHANNEL><ITEM HREF=\"a.htm\" LEVEL=\"1\" "
            "PRECACHE=\"NO\"><TITLE>A</TITLE><ABSTRACT>About</ABSTRACT></ITEM><TITLE>Again</TITLE></CHANNEL>",
         ReadStatus::Ok, "Title=Again | P A{Href=a.htm Abstract=About Level=1 Precache=0}"},
        {"LEVEL is the leading integer, only PRECACHE=\"NO\" clears", kDeclared + "<CHANNEL LEVEL=\"3abc\" "
            "PRECACHE=\"no\"><ITEM LEVEL=\"abc\"><TITLE>a</TITLE></ITEM><ITEM LEVEL=\" -2\" PRECACHE=\"NO \">"
            "<TITLE>b</TITLE></ITEM>",
         ReadStatus::Ok, "Root.Level=3 | P a, P b{Level=-2}"},
        {"attribute names in any case, blanks around '='", kDeclared + "<CHANNEL href = \"http://h\"\r\n\tself\t=\t"
            "\"s\">\r\n<ITEM\r\nHref  =  \"p\"><TITLE>p</TITLE></ITEM>",
         ReadStatus::Ok, "CdfUrl=s HomeUrl=http://h | P p{Href=p}"},
        {"values in single quotes beside double quotes", kDeclared + "<CHANNEL href='http://h' SELF=\"it's\">"
            "<ITEM HREF='say \"hi\"' LEVEL = '2' PRECACHE='NO'><TITLE>a</TITLE></ITEM>",
         ReadStatus::Ok, "CdfUrl=it's HomeUrl=http://h | P a{Href=say \"hi\" Level=2 Precache=0}"},
        {"attribute names match as parts, the first in order winning", kDeclared + "<CHANNEL basehref=\"b\" "
            "x-href-y=\"h\" selfish=\"s\">", ReadStatus::Ok, "CdfUrl=s HomeUrl=h BaseUrl=b UseBaseUrl=1"},
        {"tag names in any case, but whole", kDeclared + "<CHANNEL><Item><TITLE>t</TITLE></item><ITEMS>< ITEM>"
            "<CHANNELS><ITEM/>", ReadStatus::Ok, "| P t"},
        {"texts and values kept as bytes but for \"&lt;\" in texts and \"&quot;\" in values", kDeclared +
            "<CHANNEL HREF=\"?a=1&amp;b&quot;&lt;&QUOT;\"><TITLE>\x83\x61 a&amp;&lt;&LT;&quot;&lt&lt;lt;</TITLE>",
         ReadStatus::Ok, "Title=\x83\x61 a&amp;<&LT;&quot;&lt<lt; HomeUrl=?a=1&amp;b\"&lt;&QUOT;"},
        {"sub-channels before pages, each in file order", kDeclared + "<CHANNEL><ITEM><TITLE>P1</TITLE></ITEM>"
            "<CHANNEL><TITLE>C1</TITLE><ITEM><TITLE>C1P</TITLE></ITEM><CHANNEL><TITLE>C1C</TITLE></CHANNEL>"
            "</CHANNEL><ITEM><TITLE>P2</TITLE></ITEM><CHANNEL><TITLE>C2</TITLE></CHANNEL></CHANNEL>",
         ReadStatus::Ok, "| C C1(C C1C, P C1P), C C2, P P1, P P2"},
        {"</CHANNEL> with none open", kDeclared + "</CHANNEL></ITEM>\r\n<CHANNEL HREF=\"h\"><CHANNEL><TITLE>S</TITLE>"
            "</CHANNEL></CHANNEL></CHANNEL>\r\n<ITEM><TITLE>Late</TITLE></ITEM>",
         ReadStatus::Ok, "HomeUrl=h | C S, P Late"},
        {"TITLE, ABSTRACT and LOGO outside every CHANNEL and ITEM", kDeclared + "<TITLE>x</TITLE><ABSTRACT>x"
            "</ABSTRACT><LOGO HREF=\"x\" STYLE=\"ICON\"/><CHANNEL HREF=\"h\"></CHANNEL><TITLE>y</TITLE>"
            "<LOGO HREF=\"y\" STYLE=\"IMAGE\"/>",
         ReadStatus::Ok, "HomeUrl=h"},

        // TITLE and ABSTRACT texts.
        {"closing tags in lower case", kDeclared + "<CHANNEL><TITLE>T</title><ABSTRACT>A</Abstract>",
         ReadStatus::Ok, "Abstract=A Title=T"},
        {"multi-line TITLE", kDeclared + "<CHANNEL><TITLE>\r\n  one\r\ntwo\rthree \r\n</TITLE>",
         ReadStatus::Ok, "Title=\n  one\ntwo\rthree \n"},
        {"tag inside an ABSTRACT", kDeclared + "<CHANNEL HREF=\"h\"><ITEM><TITLE>Kept</TITLE></ITEM>\r\n<TITLE>T"
            "</TITLE>\r\n<ABSTRACT>Bad <B>bold</B></ABSTRACT>\r\n<ITEM HREF=\"never\"></ITEM>",
         ReadStatus::ElementError, "Title=T HomeUrl=h | P Kept"},
        {"element error before the phase", "<CHANNEL><TITLE>T</TITLE><TITLE>x</ABSTRACT>", ReadStatus::ElementError,
         "Title=T"},
        {"blank in the closing tag", kDeclared + "<CHANNEL><TITLE>x</TITLE >", ReadStatus::ElementError, ""},
        {"end inside a tag", kDeclared + "<CHANNEL HREF=\"h\"><ITEM HREF=\"a\"><TITLE>a</TITLE></ITEM><ITEM HREF=\"b",
         ReadStatus::Ok, "HomeUrl=h | P a{Href=a}, P " + kNewPage},
        {"end inside a TITLE", kDeclared + "<CHANNEL><TITLE>First</TITLE><ITEM><TITLE>Unfinished", ReadStatus::Ok,
         "Title=First | P " + kNewPage},
        {"end inside a closing tag", kDeclared + "<CHANNEL><TITLE>x</TIT", ReadStatus::Ok, ""},

        // SCHEDULE: dates, the hour list, the update window, the unit.
        {"dates: all three fields, none without '-', the year with one", Scheduled("</SCHEDULE><SCHEDULE "
            "STARTDATE=\"1999-14-40\" STOPDATE=\"2004-7\"></SCHEDULE><SCHEDULE STARTDATE=\"2004\">"),
         ReadStatus::Ok, "StartMonth=14 StartDay=40 StartYear=1999 StopYear=2004 StartDate=1 StopDate=1"},
        {"HOUR 5", Scheduled("<INTERVALTIME HOUR=\"5\"/>"), ReadStatus::Ok, "UpdateUnit=1"},
        {"HOUR 6", Scheduled("<INTERVALTIME HOUR=\"6\"/>"), ReadStatus::Ok, "UpdateUnit=1"},
        {"HOUR 12", Scheduled("<INTERVALTIME HOUR=\"12\"/>"), ReadStatus::Ok, "IntervalHour=12 UpdateUnit=1 HourSel=7"},
        {"HOUR 24", Scheduled("<INTERVALTIME HOUR=\"24\"/>"), ReadStatus::Ok, "IntervalHour=12 UpdateUnit=1 HourSel=7"},
        {"HOUR 3", Scheduled("<INTERVALTIME HOUR=\"3\"/>"), ReadStatus::Ok, "IntervalHour=3 UpdateUnit=1 HourSel=3"},
        {"MIN alone: hour entry \"0\"", Scheduled("<INTERVALTIME MIN=\"45\"/>"), ReadStatus::Ok,
         "IntervalHour=0 IntervalMin=45 UpdateUnit=1 HourSel=0"},
        {"HOUR alone: 0 minutes", Scheduled("<INTERVALTIME MIN=\"5\"/><INTERVALTIME HOUR=\"8\"/>"), ReadStatus::Ok,
         "IntervalHour=8 UpdateUnit=1 HourSel=6"},
        {"DAY alone: day unit", Scheduled("<INTERVALTIME HOUR=\"8\"/><INTERVALTIME DAY=\"3\"/>"), ReadStatus::Ok,
         "IntervalHour=8 IntervalDay=3 HourSel=6"},
        {"DAY and MIN: hour unit", Scheduled("<INTERVALTIME DAY=\"2\" MIN=\"5\"/>"), ReadStatus::Ok,
         "IntervalHour=0 IntervalDay=2 IntervalMin=5 UpdateUnit=1 HourSel=0"},
        {"no attributes keep the unit", Scheduled("<INTERVALTIME MIN=\"5\"/><INTERVALTIME/><INTERVALTIME >"),
         ReadStatus::Ok, "IntervalHour=0 IntervalMin=5 UpdateUnit=1 HourSel=0"},
        {"update window as written", Scheduled("<EARLIESTTIME DAY=\"1\" HOUR=\"30\" MIN=\"70\"/><LATESTTIME "
            "day=\"4\" hour=\"7\" min=\"5\"/>"),
         ReadStatus::Ok, "EarliestDay=1 EarliestHour=30 EarliestMin=70 LatestDay=4 LatestHour=7 LatestMin=5"},
        {"times outside SCHEDULE", kDeclared + "<CHANNEL><INTERVALTIME HOUR=\"12\"/><SCHEDULE></SCHEDULE>"
            "<LATESTTIME DAY=\"2\"/>",
         ReadStatus::Ok, ""},

        // USAGE: only a page takes one; the name must be exactly VALUE.
        {"USAGE: a lower-case value, VALUE exactly, unknown words, pages only", kDeclared +
            "<CHANNEL><USAGE VALUE=\"NONE\"/><CHANNEL><TITLE>s</TITLE><USAGE VALUE=\"NONE\"/></CHANNEL>"
            "<ITEM><TITLE>a</TITLE><USAGE VALUE=\"email\"></USAGE></ITEM>"
            "<ITEM><TITLE>b</TITLE><USAGE VALUE=\"Email\"/><USAGE  VALUE=\"NONE\"/></ITEM>"
            "<ITEM><TITLE>c</TITLE><USAGE value=\"Email\"/><USAGE X=\"1\" VALUE=\"NONE\"/></ITEM>"
            "<ITEM><TITLE>d</TITLE><USAGE VALUE=\"Email\"/><USAGE VALUE=\"Unknown\"/></ITEM><USAGE VALUE=\"NONE\"/>",
         ReadStatus::Ok, "| C s, P a{Usage=2}, P b{Usage=2}, P c{Usage=2}, P d"},

        // LOGO: the channel's logo set, and only icons for items.
        {"top-level logos", kDeclared + "<CHANNEL><LOGO HREF=\"i\" STYLE=\"ICON\"/><LOGO HREF=\"l\" style=\"image\"/>"
            "<LOGO href=\"w\" STYLE=\"Image-Wide\"/>",
         ReadStatus::Ok, "IconUrl=i LogoUrl=l WideLogoUrl=w"},
        {"STYLE before HREF", kDeclared + "<CHANNEL><LOGO STYLE=\"ICON\" HREF=\"i\"/>", ReadStatus::Ok, "IconUrl="},
        {"icons of items", kDeclared + "<CHANNEL><CHANNEL><TITLE>s</TITLE><LOGO HREF=\"s.ico\" STYLE=\"ICON\"/>"
            "<LOGO HREF=\"s.gif\" STYLE=\"IMAGE\"/></CHANNEL><ITEM><TITLE>p</TITLE><LOGO HREF=\"p.ico\" "
            "STYLE=\"icon\"/><LOGO HREF=\"p.gif\" STYLE=\"IMAGE-WIDE\"/></ITEM>",
         ReadStatus::Ok, "| C s{IconHref=s.ico}, P p{IconHref=p.ico}"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cdftest::Loaded loaded = cdftest::Load(c.bytes);
        EXPECT_EQ(loaded.status, c.status);
        EXPECT_EQ(cdftest::Describe(*loaded.channel), c.expected);
    }
}

// A mistyped name, a folder or a file whose bytes cannot be read (reading
// /proc/self/mem from its start fails with an I/O error) must not look like a
// load that emptied or shortened the editor's channel; a FIFO without a
// writer and an endless device are refused at once, unread.
TEST(Reader, WhatCannotBeOpenedOrReadLeavesTheChannelAsItWas)
{
    fw::Channel channel;
    cdftest::BuildWorkedExample(channel);
    channel.sitemap.Select(channel.sitemap.Root()->FirstChild());
    const std::string before = cdftest::Describe(channel);
    fw::NullTraceSink trace;
    const std::string fifo = ::testing::TempDir() + "/reader-fifo.cdf";
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {::testing::TempDir() + "/no-such-file.cdf", ::testing::TempDir(),
                                    std::string("/proc/self/mem"), fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(fw::ReadCdfFile(channel, path, trace), ReadStatus::CannotOpen) << path;
        EXPECT_EQ(cdftest::Describe(channel), before) << path;
        EXPECT_EQ(channel.sitemap.Selected(), channel.sitemap.Root()->FirstChild());
    }
    unlink(fifo.c_str());
}

// Says stop at its `stopAt`th report, and remembers the last one.
struct StopAt final : fw::CdfProgress {
    explicit StopAt(int call) : stopAt(call) {}
    bool Advance(std::uint64_t d, std::uint64_t t) override { done = d, total = t; return ++calls != stopAt; }
    int stopAt;
    int calls = 0;
    std::uint64_t done = 0, total = 0;
};

// A file load that runs to its end leaves what reading in place leaves, the
// selection included; one cancelled half-way leaves the channel untouched.
TEST(Reader, FileLoadHearsProgressAndACancelChangesNothing)
{
    fw::Channel source;
    cdftest::BuildWorkedExample(source);
    cdftest::AddChain(source, 200);  // about 100 KB: a report at the start and one every 64 KiB
    const std::string bytes = cdftest::Written(source);
    const std::string path = ::testing::TempDir() + "/reader-progress.cdf";
    std::ofstream(path, std::ios::binary) << bytes;

    fw::NullTraceSink trace;
    fw::Channel channel;
    channel.sitemap.Root()->Node().m_strTitle = "root title the site map dialog left";
    channel.sitemap.Select(channel.sitemap.Root());
    const std::string before = cdftest::Describe(channel);
    StopAt cancel(2);
    EXPECT_EQ(fw::ReadCdfFile(channel, path, trace, &cancel), ReadStatus::Cancelled);
    EXPECT_EQ(cdftest::Describe(channel), before);
    EXPECT_EQ(channel.sitemap.Root()->FirstChild(), nullptr);

    fw::Channel inPlace;
    inPlace.sitemap.Root()->Node().m_strTitle = channel.sitemap.Root()->Node().m_strTitle;
    inPlace.sitemap.Select(inPlace.sitemap.Root());
    ASSERT_EQ(fw::ReadCdfBytes(inPlace, bytes, trace), ReadStatus::Ok);
    StopAt never(0);
    ASSERT_EQ(fw::ReadCdfFile(channel, path, trace, &never), ReadStatus::Ok);
    EXPECT_GE(never.calls, 2);
    EXPECT_EQ(never.total, bytes.size());
    EXPECT_TRUE(cdftest::SameChannel(channel, inPlace));
    EXPECT_EQ(channel.sitemap.Selected()->Label(), inPlace.sitemap.Selected()->Label());
    EXPECT_EQ(channel.sitemap.Selected()->FirstChild(), nullptr);
    unlink(path.c_str());
}

TEST(Reader, TracesEveryTagAndWhatEachElementRead)
{
    const std::string file =
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"h\" LEVEL=\"2\" X=\"y\">\n<TITLE>T</TITLE>\n"
        "<SCHEDULE STARTDATE=\"2004-7-15\" OTHER=\"o\"><INTERVALTIME HOUR=\"12\" MIN=\"30\"/></SCHEDULE>\n"
        "<ITEM HREF=\"p\"><TITLE>P</TITLE><USAGE VALUE=\"Email\"></USAGE><LOGO HREF=\"i\" STYLE=\"ICON\"/></ITEM>\n"
        "<items>\n</CHANNEL>\n";
    fw::CapturingTraceSink trace;
    fw::Channel channel(&trace);
    ASSERT_EQ(fw::ReadCdfBytes(channel, file, trace), ReadStatus::Ok);
    EXPECT_EQ(trace.Text(),
              "[?XML]\n[CHANNEL]\nCHANNEL:\nHREF:h\nLEVEL:2\ny\n[TITLE]\nTITLE:T\n"
              "[SCHEDULE]\nSCHEDULE:\nSTARTDATE:\n\n[INTERVALTIME]\nINTERVALTIME:\nHOUR:MIN:\n[/SCHEDULE]\n"
              "[ITEM]\nBLAST\nITEM:\nHREF:p\n[TITLE]\nTITLE:item-P\n[USAGE]\nUSAGE:value=2\n[/USAGE]\n"
              "[LOGO]\nLOGO:\nHREF:STYLE:\n[/ITEM]\n[items]\n[/CHANNEL]\n");
}

}  // namespace
