// feedwright-cdf show: the loaded channel as JSON, taken apart field by field.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "MiniJson.h"
#include "text/Cp932.h"

using namespace clitest;

namespace {

const std::string kDeclaration = "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n";

// CP932 for "チャンネルソ"; the trail byte of "ソ" is the backslash byte.
const std::string kChannelWordSjis = "\x83\x60\x83\x83\x83\x93\x83\x6C\x83\x8B\x83\x5C";

// The two-level example tree (a sub-channel B holding page B1, then page A)
// behind a head with every optional piece, in the writer's form. The title
// carries a tab, quotes and a backslash; the abstract two lines and a byte
// that is not CP932.
std::string WorkedExample()
{
    return kDeclaration +
           "\r\n"
           "<CHANNEL\r\n"
           "  BASE=\"http://server/\"\r\n"
           "  HREF=\"http://server\"\r\n"
           "  SELF=\"http://server/ch.cdf\"\r\n"
           "  LEVEL=\"1\"\r\n"
           "  PRECACHE=\"NO\">\r\n"
           "<TITLE>" + kChannelWordSjis + "\t\"q\" \\ end</TITLE>\r\n"
           "<ABSTRACT>first\r\nsecond \xA0 end</ABSTRACT>\r\n"
           "\r\n"
           "  <LOGO HREF=\"http://server/i.ico\" STYLE=\"ICON\"/>\r\n"
           "  <LOGO HREF=\"http://server/l.gif\" STYLE=\"IMAGE\"/>\r\n"
           "  <LOGO HREF=\"http://server/w.gif\" STYLE=\"IMAGE-WIDE\"/>\r\n"
           "\r\n"
           "  <SCHEDULE STARTDATE=\"2004-3-9\" STOPDATE=\"2005-12-31\">\r\n"
           "    <INTERVALTIME HOUR=\"12\" MIN=\"30\"/>\r\n"
           "    <EARLIESTTIME HOUR=\"2\"/>\r\n"
           "    <LATESTTIME DAY=\"1\" HOUR=\"3\" MIN=\"4\"/>\r\n"
           "  </SCHEDULE>\r\n"
           "\r\n"
           "  <CHANNEL LEVEL=\"2\" PRECACHE=\"NO\">\r\n"
           "  <TITLE>B</TITLE>\r\n"
           "\r\n"
           "    <ITEM HREF=\"b1.htm\" PRECACHE=\"YES\">\r\n"
           "    <TITLE>B1</TITLE>\r\n"
           "    <USAGE VALUE=\"Email\"></USAGE>\r\n"
           "    <LOGO HREF=\"i.ico\" STYLE=\"ICON\"/>\r\n"
           "    </ITEM>\r\n"
           "\r\n"
           "  </CHANNEL>\r\n"
           "\r\n"
           "  <ITEM HREF=\"http://server/a.htm\" PRECACHE=\"YES\">\r\n"
           "  <TITLE>A</TITLE>\r\n"
           "  </ITEM>\r\n"
           "\r\n"
           "</CHANNEL>\r\n";
}

struct ExpectedNode {
    std::string label, href, title, abstract;
    int level;
    bool precache, isPage;
    std::string iconHref;
    int usage;
    std::size_t children;
};

void ExpectNode(const JsonValue& node, const ExpectedNode& e)
{
    SCOPED_TRACE("node " + e.label);
    EXPECT_EQ(node.Keys(), (std::vector<std::string>{"label", "href", "title", "abstract", "level", "precache",
                                                     "isPage", "iconHref", "usage", "children"}));
    EXPECT_EQ(node["label"].text, e.label);
    EXPECT_EQ(node["href"].text, e.href);
    EXPECT_EQ(node["title"].text, e.title);
    EXPECT_EQ(node["abstract"].text, e.abstract);
    EXPECT_EQ(node["level"].number, e.level);
    EXPECT_EQ(node["precache"].kind, JsonValue::Kind::Bool);
    EXPECT_EQ(node["precache"].boolean, e.precache);
    EXPECT_EQ(node["isPage"].kind, JsonValue::Kind::Bool);
    EXPECT_EQ(node["isPage"].boolean, e.isPage);
    EXPECT_EQ(node["iconHref"].text, e.iconHref);
    EXPECT_EQ(node["usage"].number, e.usage);
    EXPECT_EQ(node["children"].items.size(), e.children);
}

void ExpectExampleTree(const JsonValue& root)
{
    const JsonValue& b = root["children"][0];
    ExpectNode(b, {"B", "http://", "B", "", 2, false, false, "http://", 0, 1});
    ExpectNode(b["children"][0], {"B1", "b1.htm", "B1", "", 0, true, true, "i.ico", 2, 0});
    ExpectNode(root["children"][1], {"A", "http://server/a.htm", "A", "", 0, true, true, "http://", 0, 0});
}

JsonValue Show(const std::string& path, int expectedExit)
{
    const CliResult r = RunCli({"show", path});
    EXPECT_EQ(r.exitStatus, expectedExit) << r.err;
    return ParseJson(r.out);
}

}  // namespace

TEST(CliShow, WorkedExampleFieldByField)
{
    TempDir dir;
    WriteBytes(dir / "example.cdf", WorkedExample());
    const CliResult r = RunCli({"show", dir / "example.cdf"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(r.out.back(), '\n');
    const JsonValue json = ParseJson(r.out);

    EXPECT_EQ(json.Keys(), (std::vector<std::string>{"status", "head", "logos", "schedule", "sitemap"}));
    EXPECT_EQ(json["status"].text, "ok");

    const std::string title = "チャンネルソ\t\"q\" \\ end";
    const std::string abstract = "first\nsecond \xEF\xBF\xBD end";
    const JsonValue& head = json["head"];
    EXPECT_EQ(head.Keys(),
              (std::vector<std::string>{"homeUrl", "title", "abstract", "cdfUrl", "baseUrl", "useBaseUrl"}));
    EXPECT_EQ(head["homeUrl"].text, "http://server");
    EXPECT_EQ(head["title"].text, title);
    EXPECT_EQ(head["abstract"].text, abstract);
    EXPECT_EQ(head["cdfUrl"].text, "http://server/ch.cdf");
    EXPECT_EQ(head["baseUrl"].text, "http://server/");
    EXPECT_EQ(head["useBaseUrl"].kind, JsonValue::Kind::Bool);
    EXPECT_TRUE(head["useBaseUrl"].boolean);

    const JsonValue& logos = json["logos"];
    EXPECT_EQ(logos.Keys(), (std::vector<std::string>{"icon", "logo", "wideLogo"}));
    EXPECT_EQ(logos["icon"].text, "http://server/i.ico");
    EXPECT_EQ(logos["logo"].text, "http://server/l.gif");
    EXPECT_EQ(logos["wideLogo"].text, "http://server/w.gif");

    const JsonValue& s = json["schedule"];
    EXPECT_EQ(s.Keys(), (std::vector<std::string>{"updateUnit", "intervalDay", "intervalHour", "hourSel",
                                                   "intervalMin", "earliestDay", "earliestHour", "earliestMin",
                                                   "latestDay", "latestHour", "latestMin", "startDate",
                                                   "stopDate"}));
    const std::vector<std::pair<const char*, long long>> numbers = {
        {"updateUnit", 1}, {"intervalDay", 7}, {"intervalHour", 12}, {"hourSel", 7}, {"intervalMin", 30},
        {"earliestDay", 0}, {"earliestHour", 2}, {"earliestMin", 0}, {"latestDay", 1}, {"latestHour", 3},
        {"latestMin", 4}};
    for (const auto& [key, value] : numbers)
        EXPECT_EQ(s[key].number, value) << key;
    ASSERT_EQ(s["startDate"].items.size(), 3u);
    EXPECT_EQ(s["startDate"][0].number, 2004);
    EXPECT_EQ(s["startDate"][1].number, 3);
    EXPECT_EQ(s["startDate"][2].number, 9);
    ASSERT_EQ(s["stopDate"].items.size(), 3u);
    EXPECT_EQ(s["stopDate"][0].number, 2005);
    EXPECT_EQ(s["stopDate"][1].number, 12);
    EXPECT_EQ(s["stopDate"][2].number, 31);

    const JsonValue& root = json["sitemap"];
    ExpectNode(root, {title, "http://server", title, abstract, 1, false, false, "http://", 0, 2});
    ExpectExampleTree(root);
}

TEST(CliShow, GoldenWorkedExampleHasTheExampleTree)
{
    const JsonValue json = Show((GoldenDir() / "worked_example.cdf").string(), 0);
    EXPECT_EQ(json["status"].text, "ok");
    ASSERT_EQ(json["sitemap"]["children"].items.size(), 2u);
    ExpectExampleTree(json["sitemap"]);
}

TEST(CliShow, ClearedScheduleShowsNoDatesAndTheDefaults)
{
    TempDir dir;
    WriteBytes(dir / "plain.cdf", kDeclaration + "<CHANNEL HREF=\"http://server\">\r\n<TITLE>Plain</TITLE>\r\n</CHANNEL>\r\n");
    const JsonValue json = Show(dir / "plain.cdf", 0);
    const JsonValue& s = json["schedule"];
    EXPECT_TRUE(s["startDate"].IsNull());
    EXPECT_TRUE(s["stopDate"].IsNull());
    EXPECT_EQ(s["updateUnit"].number, 0);
    EXPECT_EQ(s["intervalDay"].number, 7);
    EXPECT_EQ(s["hourSel"].number, 5);
    EXPECT_EQ(s["intervalHour"].number, 6);
    EXPECT_EQ(json["logos"]["icon"].text, "http://");
    EXPECT_FALSE(json["head"]["useBaseUrl"].boolean);
    ExpectNode(json["sitemap"], {"Plain", "http://server", "Plain", "", 0, true, false, "http://", 0, 0});
}

TEST(CliShow, LoadProblemsShowWhatWasReadWithTheirStatusAndExit2)
{
    const std::string body = "<CHANNEL HREF=\"http://server\">\r\n<TITLE>T</TITLE>\r\n<ITEM HREF=\"p.htm\"></ITEM>\r\n";
    const struct {
        std::string bytes;
        const char* status;
        const char* message;
    } cases[] = {
        {kDeclaration + body + "<ABSTRACT>x<BR></ABSTRACT>\r\n</CHANNEL>\r\n", "element error", "element error"},
        {body + "</CHANNEL>\r\n", "phase 0", "no XML declaration (phase 0)"},
        {"<?XML VERSION=\"1.0\">\r\n" + body + "</CHANNEL>\r\n", "phase 1", "incomplete XML declaration (phase 1)"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir / "problem.cdf";
        WriteBytes(path, c.bytes);
        const CliResult r = RunCli({"show", path});
        EXPECT_EQ(r.exitStatus, 2) << c.status;
        EXPECT_NE(r.err.find(path + ": " + c.message), std::string::npos) << r.err;
        const JsonValue json = ParseJson(r.out);
        EXPECT_EQ(json["status"].text, c.status);
        EXPECT_EQ(json["head"]["homeUrl"].text, "http://server");
        ASSERT_EQ(json["sitemap"]["children"].items.size(), 1u) << c.status;
        EXPECT_EQ(json["sitemap"]["children"][0]["href"].text, "p.htm");
    }
}

TEST(CliShow, MissingFilePrintsNothingAndExits3)
{
    TempDir dir;
    const CliResult r = RunCli({"show", dir / "missing.cdf"});
    EXPECT_EQ(r.exitStatus, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("missing.cdf: cannot open"), std::string::npos) << r.err;
}

// Every control character is escaped, and text that is plain ASCII (which the
// writer passes through without conversion) means the same in CP932.
TEST(CliShow, ControlCharactersAreEscapedAndAsciiIsUnchangedByConversion)
{
    std::string ascii;
    for (int c = 1; c < 0x80; ++c)
        ascii.push_back(static_cast<char>(c));
    EXPECT_EQ(fw::Cp932ToUtf8(ascii), ascii);

    std::string controls;
    for (int c = 1; c < 0x20; ++c) {
        if (c != '\r' && c != '\n')  // line ends are the reader's business
            controls.push_back(static_cast<char>(c));
    }
    TempDir dir;
    WriteBytes(dir / "controls.cdf",
               kDeclaration + "<CHANNEL><TITLE>" + controls + "</TITLE><ABSTRACT>\\\"</ABSTRACT></CHANNEL>");
    const CliResult r = RunCli({"show", dir / "controls.cdf"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_NE(r.out.find("\"\\u0001\\u0002"), std::string::npos);
    const JsonValue json = ParseJson(r.out);  // refuses raw control characters
    EXPECT_EQ(json["head"]["title"].text, controls);
    EXPECT_EQ(json["head"]["abstract"].text, "\\\"");
}

// The printer walks the tree without recursion: a chain thousands of levels
// deep prints completely and properly nested.
TEST(CliShow, DeepChainPrintsCompletely)
{
    constexpr int kDepth = 4000;
    std::string text = kDeclaration + "<CHANNEL><TITLE>root</TITLE>\n";
    for (int i = 1; i <= kDepth; ++i)
        text += "<CHANNEL><TITLE>D" + std::to_string(i) + "</TITLE>\n";
    for (int i = 0; i <= kDepth; ++i)
        text += "</CHANNEL>\n";
    TempDir dir;
    WriteBytes(dir / "deep.cdf", text);
    const CliResult r = RunCli({"show", dir / "deep.cdf"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;

    std::size_t at = r.out.find("\"sitemap\":{\"label\":\"root\"");
    ASSERT_NE(at, std::string::npos);
    for (int i = 1; i <= kDepth; ++i) {
        const std::string label = "\"children\":[{\"label\":\"D" + std::to_string(i) + "\"";
        at = r.out.find(label, at);
        ASSERT_NE(at, std::string::npos) << "level " << i;
    }
    std::string closing = "\"children\":[";
    for (int i = 0; i <= kDepth; ++i)
        closing += "]}";
    closing += "}\n";
    ASSERT_GE(r.out.size(), closing.size());
    EXPECT_EQ(r.out.substr(r.out.size() - closing.size()), closing);
}
