// What lint says of small files, one rule group each, and of every golden
// file Create wrote; its exit status over several files.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

namespace {

const std::string kDeclaration = "<?XML VERSION=\"1.0\"?>\n";
// Text typed as ASCII, as UTF-16 LE with its byte-order mark.
std::string Utf16(const std::string& ascii)
{
    std::string wide = "\xFF\xFE";
    for (const char c : ascii)
        wide += std::string{c, '\0'};
    return wide;
}

struct LintCase {
    std::string name, text;
    std::vector<std::string> lines;  // each after "FILE:"
    int exit;
};

}  // namespace

TEST(CliLint, EachRuleGroupGivesExactlyItsLines)
{
    const std::string head = kDeclaration + "<CHANNEL HREF=\"http://s/\" SELF=\"http://s/c.cdf\">\n<TITLE>T</TITLE>\n";
    const std::string daily = "<SCHEDULE><INTERVALTIME DAY=\"1\"/></SCHEDULE>\n";
    const std::vector<LintCase> cases = {
        {"clean.cdf",
         kDeclaration + "<CHANNEL HREF=\"http://s/\" BASE=\"http://s/\" SELF=\"http://s/c.cdf\" LEVEL=\"1\">\n"
             "<TITLE>A &amp; B</TITLE>\n<LOGO HREF=\"icon16.gif\" STYLE=\"ICON\"/>\n"
             "<SCHEDULE STARTDATE=\"2000-2-29\" STOPDATE=\"2000-03-01\"><INTERVALTIME HOUR=\"8\"/>"
             "<EARLIESTTIME HOUR=\"1\"/><LATESTTIME HOUR=\"2\"/></SCHEDULE>\n"
             "<!-- <ITEM> in a comment --><ITEM HREF=\"a.htm\" PRECACHE=\"NO\"><TITLE>A</TITLE>"
             "<USAGE VALUE=\"ScreenSaver\"/></ITEM>\n</CHANNEL>\n",
         {}, 0},
        {"schedule.cdf",
         head + "<SCHEDULE STARTDATE=\"1998-2-29\" STOPDATE=\"98-1-1\">\n<INTERVALTIME HOUR=\"5\"/>\n"
             "<EARLIESTTIME HOUR=\"7\"/><LATESTTIME HOUR=\"x\"/>\n</SCHEDULE>\n"
             "<ITEM HREF=\"a\"><TITLE>A</TITLE><SCHEDULE STARTDATE=\"1999-1-2\" STOPDATE=\"1999-1-1\">"
             "<INTERVALTIME HOUR=\"13\"/><INTERVALTIME MIN=\"90\"/><INTERVALTIME/></SCHEDULE></ITEM>\n</CHANNEL>\n",
         {"4: warning: STARTDATE \"1998-2-29\" is not a real date (yyyy-mm-dd)",
          "4: warning: STOPDATE \"98-1-1\" is not a real date (yyyy-mm-dd)",
          "5: warning: INTERVALTIME of 5 hours: readers update every 6 hours",
          "6: warning: HOUR \"x\" of LATESTTIME is not a number (0 or more)",
          "6: warning: EARLIESTTIME (7 hours) lies beyond the update interval (5 hours)",
          "8: warning: SCHEDULE outside the top-level CHANNEL: readers ignore it",
          "8: warning: INTERVALTIME of 13 hours: readers update once a day",
          "8: warning: INTERVALTIME of 1 hour 30 minutes: readers update in whole hours only",
          "8: warning: INTERVALTIME adds up to no time: readers never update the channel",
          "8: warning: STOPDATE \"1999-1-1\" is before STARTDATE \"1999-1-2\": the channel is never updated"},
         1},
        {"no_interval.cdf", head + "<SCHEDULE><EARLIESTTIME HOUR=\"2\"/><LATESTTIME HOUR=\"1\"/></SCHEDULE>\n</CHANNEL>\n",
         {"4: warning: EARLIESTTIME (2 hours) is later than LATESTTIME (1 hour): the update window is empty",
          "4: warning: SCHEDULE without INTERVALTIME: readers never update the channel"},
         1},
        {"links.cdf",
         kDeclaration + "<CHANNEL HREF=\"http://\" BASE=\"http://s/dir\" SELF=\"file:///c:/c.cdf\">\n<TITLE>T</TITLE>\n"
             + daily + "<ITEM><TITLE>A</TITLE></ITEM>\n<ITEM HREF=\"a.htm\"><TITLE>A</TITLE>\n<LOGO STYLE=\"ICON\"/></ITEM>\n"
             "<CHANNEL HREF=\"a.htm/\"><TITLE>C</TITLE></CHANNEL>\n</CHANNEL>\n",
         {"2: warning: HREF is the bare \"http://\" of a new form: readers cannot open it",
          "2: warning: BASE \"http://s/dir\" does not end in \"/\": readers resolve relative URLs against the folder above it",
          "2: warning: SELF \"file:///c:/c.cdf\" uses the scheme \"file\": readers fetch only http, https and ftp URLs",
          "5: warning: ITEM without HREF: readers have no page to show",
          "7: warning: LOGO without HREF: readers have no picture to show",
          "8: note: HREF \"a.htm\" appears already on line 6 of this channel"},
         1},
        {"values.cdf",
         kDeclaration + "<CHANNEL HREF=\"http://s/\" LEVEL=\"-1\" PRECACHE=\"maybe\">\n" + daily
             + "<LOGO HREF=\"icon16.gif\" STYLE=\"IMAGE\"/><LOGO HREF=\"x.gif\" STYLE=\"BANNER\"/>\n"
               "<ITEM HREF=\"a.htm\"><USAGE VALUE=\"Desktop\"></USAGE></ITEM>\n</CHANNEL>\n",
         {"2: warning: LEVEL \"-1\" is not a number of levels (0 or more)",
          "2: warning: PRECACHE \"maybe\": readers know only YES and NO",
          "2: warning: CHANNEL without a title: readers show its bare URL",
          "4: warning: LOGO \"icon16.gif\" is 16x16; STYLE IMAGE wants 80x32",
          "4: warning: LOGO STYLE \"BANNER\": readers know only ICON (16x16), IMAGE (80x32) and IMAGE-WIDE (194x32)",
          "5: warning: USAGE VALUE \"Desktop\": readers know only Channel, DesktopComponent, Email, NONE, ScreenSaver"
          " and SoftwareUpdate",
          "5: warning: ITEM without a title: readers show its bare URL"},
         1},
        {"markup.cdf",
         head + daily + "<ITEM HREF=\"a.htm?x=1&y=2\"><TITLE>Tom &nbsp; Jerry</TITLE>\n"
             "<ABSTRACT>1 < 2 & 3</ABSTRACT></ITEM>\n</CHANNEL>\n",
         {"5: warning: bare \"&\" in the value of HREF: strict XML readers refuse it; write &amp;",
          "5: warning: \"&nbsp;\" in TITLE text: XML readers know only &amp; &lt; &gt; &quot; &apos; and numeric references",
          "6: warning: bare \"&\" in ABSTRACT text: strict XML readers refuse it; write &amp;",
          "6: error: \"<\" in ABSTRACT text: Feedwright stops loading here (element error) and XML readers take it for"
          " markup; write &lt;"},
         2},
        {"dropped.cdf",
         head + daily + "<USAGE VALUE=\"Email\"/><LOGO HREF=\"w.gif\" STYLE=\"IMAGE-WIDE\"/>\n"
             "<ITEM HREF=\"a.htm\" LASTMOD=\"1998-01-01\" PRECACHE=\"no\"><TITLE>A</TITLE>\n"
             "<USAGE  VALUE=\"Email\"></USAGE><LOGO HREF=\"p.gif\" STYLE=\"IMAGE\"/>\n"
             "<LOG VALUE=\"document:view\"/><SOFTPKG NAME=\"x\"><IMPLEMENTATION/></SOFTPKG></ITEM>\n"
             "<CHANNEL HREF=\"b/\" BASE=\"http://s/b/\"><TITLE lang=\"ja\">B</TITLE></CHANNEL>\n</CHANNEL>\n",
         {"5: note: USAGE of a CHANNEL is dropped when Feedwright opens and saves this file",
          "6: note: LASTMOD of ITEM is dropped when Feedwright opens and saves this file",
          "6: note: PRECACHE \"no\" becomes YES when Feedwright opens and saves this file: it reads only \"NO\" in capitals",
          "7: note: USAGE VALUE is dropped when Feedwright opens and saves this file: it reads VALUE only as the first"
          " attribute, one blank after USAGE and right before \"=\"",
          "7: note: LOGO STYLE IMAGE of an ITEM is dropped when Feedwright opens and saves this file",
          "8: note: LOG is dropped when Feedwright opens and saves this file",
          "8: note: SOFTPKG is dropped when Feedwright opens and saves this file",
          "9: note: BASE of a nested CHANNEL is dropped when Feedwright opens and saves this file",
          "9: note: TITLE start tag with more than its name: Feedwright takes the rest of the tag into the text"},
         0},
        {"utf16.cdf",
         Utf16("<?xml version='1.0' encoding='UTF-16'?>\r\n<channel href='http://s/'>\r\n<item href='a.htm'>"
               "<title>A</title></item>\r\n</channel>\r\n"),
         {"2: warning: CHANNEL without a title: readers show its bare URL",
          "2: warning: no SCHEDULE with an INTERVALTIME: readers never update the channel"},
         1},
        {"undeclared.cdf", "<CHANNEL HREF=\"http://s/\"><TITLE>T</TITLE>" + daily + "</CHANNEL>\n",
         {"1: error: no XML declaration: Feedwright loads the file but reports it as incomplete (phase 0); begin the"
          " file with <?XML VERSION=\"1.0\"?>"},
         2},
    };
    const TempDir dir;
    WriteBytes(dir / "icon16.gif", std::string("GIF89a\x10\0\x10\0\x80\0\0", 13));
    std::vector<std::string> all{"lint"};
    std::string allOut;
    for (const LintCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir / c.name;
        WriteBytes(path, c.text);
        std::string expected;
        for (const std::string& line : c.lines)
            expected += path + ":" + line + "\n";
        const CliResult r = RunCli({"lint", path});
        EXPECT_EQ(r.out, expected);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, c.exit);
        all.push_back(path);
        allOut += r.out;
    }
    // Several files: each file's lines in turn and the most severe status;
    // a file that cannot be opened is said on standard error.
    all.push_back(dir / "missing.cdf");
    const CliResult r = RunCli(all);
    EXPECT_EQ(r.out, allOut);
    EXPECT_EQ(r.err, "feedwright-cdf: " + (dir / "missing.cdf") + ": cannot open (No such file or directory)\n");
    EXPECT_EQ(r.status, 3);
}

// What Create writes gives only what its own choices explain: the "http://"
// a fresh form leaves in HREF and SELF, an empty interval in hour unit,
// minutes in an hour interval, a sub-channel's usage (Load keeps usages of
// pages only), and text written unescaped.
TEST(CliLint, GoldenFilesGiveOnlyWhatTheWritersChoicesExplain)
{
    const std::vector<std::string> fresh = {
        "4: warning: HREF is the bare \"http://\" of a new form: readers cannot open it",
        "5: warning: SELF is the bare \"http://\" of a new form: readers cannot open it"};
    const auto plus = [&fresh](const std::string& line) {
        std::vector<std::string> lines = fresh;
        lines.push_back(line);
        return lines;
    };
    const auto bare = [](const std::string& where) {
        return "warning: bare \"&\" in " + where + ": strict XML readers refuse it; write &amp;";
    };
    const std::vector<LintCase> cases = {
        {"fresh.cdf", "", fresh, 1},
        {"logo_icon_only.cdf", "", fresh, 1},
        {"logo_image_only.cdf", "", fresh, 1},
        {"logo_wide_only.cdf", "", fresh, 1},
        {"root_level3_noprecache.cdf", "", fresh, 1},
        {"schedule_dates.cdf", "", fresh, 1},
        {"schedule_day14.cdf", "", fresh, 1},
        {"window_hour2.cdf", "", fresh, 1},
        {"schedule_hour0_min0.cdf", "", plus("11: warning: INTERVALTIME adds up to no time: readers never update the channel"), 1},
        {"schedule_hour12_min30.cdf", "",
         plus("11: warning: INTERVALTIME of 12 hours 30 minutes: readers update in whole hours only"), 1},
        {"every_optional_piece.cdf", "",
         {"25: note: USAGE of a CHANNEL is dropped when Feedwright opens and saves this file"}, 0},
        {"three_nested_channels.cdf", "", {}, 0},
        {"worked_example.cdf", "", {}, 0},
        // The writer's escapes (&lt; in texts, &quot; in values) are fine; a bare "&" is written as typed.
        {"markup.cdf", "",
         {"4: " + bare("the value of HREF"), fresh[1], "7: " + bare("TITLE text"), "8: " + bare("ABSTRACT text"),
          "14: " + bare("the value of HREF"), "16: " + bare("ABSTRACT text")},
         1},
    };
    std::size_t goldenFiles = 0;
    for (const std::string& name : Names(kGolden))
        goldenFiles += name.ends_with(".cdf") ? 1 : 0;
    EXPECT_EQ(cases.size(), goldenFiles);
    for (const LintCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (kGolden / c.name).string();
        std::string expected;
        for (const std::string& line : c.lines)
            expected += path + ":" + line + "\n";
        const CliResult r = RunCli({"lint", path});
        EXPECT_EQ(r.out, expected);
        EXPECT_EQ(r.status, c.exit);
    }
}
