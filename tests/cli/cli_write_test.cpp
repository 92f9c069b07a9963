// feedwright-cdf new and rewrite: the bytes they write, and that a failed
// write never damages the file that was there.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "CliProcess.h"

using namespace clitest;
namespace fs = std::filesystem;

namespace {

const std::string kDeclaration = "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? "(" + from + " not found)" : text.replace(at, from.size(), to);
}

// Golden files that do not come back byte for byte, for reasons of the file
// format that Load keeps: what the rewrite must give instead.
struct KnownChange {
    int exitStatus;
    std::string (*expected)(const std::string& golden);  // null: not compared
};
const std::map<std::string, KnownChange> kKnownChanges = {
    // Load reads the USAGE of a sub-channel and drops it.
    {"every_optional_piece.cdf",
     {0, [](const std::string& g) { return Replaced(g, "  <USAGE VALUE=\"SoftwareUpdate\"></USAGE>\r\n", ""); }}},
    // Hour unit with 0 hours and 0 minutes has no attribute left to tell it
    // from the day unit, and loads as the cleared day unit.
    {"schedule_hour0_min0.cdf",
     {0, [](const std::string& g) { return Replaced(g, "<INTERVALTIME/>", "<INTERVALTIME DAY=\"7\"/>"); }}},
    // A '<' in a title ends the title text: the load stops with the element error.
    {"markup_unchanged.cdf", {2, nullptr}},
};

std::vector<fs::path> GoldenFiles()
{
    std::vector<fs::path> files;
    if (fs::is_directory(GoldenDir())) {
        for (const auto& entry : fs::directory_iterator(GoldenDir())) {
            if (entry.path().extension() == ".cdf")
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A channel with many pages: its written form is several times 4 KiB.
std::string ManyPages(int count)
{
    std::string text = kDeclaration + "<CHANNEL HREF=\"http://server\">\r\n<TITLE>Many</TITLE>\r\n";
    for (int i = 0; i < count; ++i)
        text += "<ITEM HREF=\"page" + std::to_string(i) + ".htm\"><TITLE>Page " + std::to_string(i)
              + "</TITLE></ITEM>\r\n";
    return text + "</CHANNEL>\r\n";
}

}  // namespace

TEST(CliNew, WritesWhatCreateWritesForAFreshChannel)
{
    TempDir dir;
    const std::string out = dir / "NewChannel.cdf";
    const CliResult r = RunCli({"new", out});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadBytes(out), ReadBytes(GoldenDir() / "fresh.cdf"));

    // An existing file is replaced whole, not written into.
    WriteBytes(out, std::string(100000, 'x'));
    ASSERT_EQ(RunCli({"new", out}).exitStatus, 0);
    EXPECT_EQ(ReadBytes(out), ReadBytes(GoldenDir() / "fresh.cdf"));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"NewChannel.cdf"});
}

TEST(CliRewrite, EveryGoldenFileComesBackByteForByte)
{
    const auto golden = GoldenFiles();
    ASSERT_GE(golden.size(), 2u) << "no golden files in " << GoldenDir();
    TempDir dir;
    for (const fs::path& file : golden) {
        const std::string name = file.filename().string();
        const auto known = kKnownChanges.find(name);
        const std::string out = dir / name;
        const CliResult r = RunCli({"rewrite", file.string(), out});
        if (known == kKnownChanges.end()) {
            EXPECT_EQ(r.exitStatus, 0) << name << ": " << r.err;
            EXPECT_EQ(r.err, "") << name;
            EXPECT_TRUE(ReadBytes(out) == ReadBytes(file)) << name << " changed on rewrite";
            continue;
        }
        EXPECT_EQ(r.exitStatus, known->second.exitStatus) << name << ": " << r.err;
        if (known->second.expected != nullptr)
            EXPECT_EQ(ReadBytes(out), known->second.expected(ReadBytes(file))) << name;
        else
            EXPECT_TRUE(fs::exists(out)) << name << ": written after the load problem";
    }
}

TEST(CliRewrite, InPlaceGivesTheSameBytesAsIntoAnotherFile)
{
    // Not in the writer's form: LF line ends, lower-case attribute names,
    // URLs with blanks and trailing slashes, pages before sub-channels.
    const std::string untidy =
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL href = \"http://server/ \" self=\"http://server/c.cdf\">\n"
        "<TITLE>Untidy</TITLE>\n<ITEM href=\"a.htm/\"><TITLE>A/</TITLE></ITEM>\n"
        "<CHANNEL><TITLE>Sub</TITLE><ITEM HREF=\"b.htm\"></ITEM></CHANNEL>\n</CHANNEL>\n";
    TempDir dir;
    const std::string file = dir / "untidy.cdf";
    const std::string separate = dir / "separate.cdf";
    WriteBytes(file, untidy);
    ASSERT_EQ(RunCli({"rewrite", file, separate}).exitStatus, 0);
    const CliResult r = RunCli({"rewrite", file, file});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(ReadBytes(file), ReadBytes(separate));
    EXPECT_NE(ReadBytes(file), untidy);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"separate.cdf", "untidy.cdf"}));
}

TEST(CliRewrite, LoadErrorStillWritesWhatWasReadAndExits2)
{
    TempDir dir;
    const std::string in = dir / "broken.cdf";
    const std::string out = dir / "out.cdf";
    WriteBytes(in, kDeclaration
                       + "<CHANNEL HREF=\"http://server\">\r\n<TITLE>Kept</TITLE>\r\n"
                         "<ITEM HREF=\"kept.htm\"></ITEM>\r\n<ITEM HREF=\"p.htm\"><TITLE>a <B>b</B></TITLE></ITEM>\r\n"
                         "<ITEM HREF=\"lost.htm\"></ITEM>\r\n</CHANNEL>\r\n");
    const CliResult r = RunCli({"rewrite", in, out});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find(in + ": element error"), std::string::npos) << r.err;

    const std::string written = ReadBytes(out);
    EXPECT_NE(written.find("<TITLE>Kept</TITLE>"), std::string::npos);
    EXPECT_NE(written.find("<ITEM HREF=\"kept.htm\" PRECACHE=\"YES\">"), std::string::npos);
    EXPECT_NE(written.find("<ITEM HREF=\"p.htm\" PRECACHE=\"YES\">"), std::string::npos);
    EXPECT_EQ(written.find("lost.htm"), std::string::npos);
    // What was written is a clean file in its own right.
    EXPECT_EQ(RunCli({"check", out}).exitStatus, 0);
}

TEST(CliRewrite, MissingInputExits3AndLeavesOutAlone)
{
    TempDir dir;
    const std::string out = dir / "out.cdf";
    WriteBytes(out, "earlier");
    const CliResult r = RunCli({"rewrite", dir / "missing.cdf", out});
    EXPECT_EQ(r.exitStatus, 3);
    EXPECT_NE(r.err.find("missing.cdf"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(out), "earlier");
}

// Root ignores permission bits, so a read-only folder cannot make the write
// fail in these tests. A file size limit (RLIMIT_FSIZE) binds root too: the
// temporary file beside OUT is created, then a write past the limit fails
// with EFBIG in the middle of the channel, as on a full disk. The earlier OUT
// must come through byte for byte, and no temporary file may be left over.
TEST(CliRewrite, WriteFailingHalfwayLeavesTheEarlierOutByteForByte)
{
    TempDir dir;
    const std::string in = dir / "in.cdf";
    const std::string out = dir / "out.cdf";
    WriteBytes(in, ManyPages(400));
    const std::string earlier = kDeclaration + "<CHANNEL>\r\n<TITLE>Earlier</TITLE>\r\n</CHANNEL>\r\n";
    WriteBytes(out, earlier);

    CliOptions limited;
    limited.fileSizeLimit = 4096;
    const CliResult r = RunCli({"rewrite", in, out}, limited);
    EXPECT_EQ(r.exitStatus, 4);
    EXPECT_NE(r.err.find("cannot write " + out), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(out), earlier);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"in.cdf", "out.cdf"}));

    // Without the limit the same command succeeds: the limit was the only cause.
    EXPECT_EQ(RunCli({"rewrite", in, out}).exitStatus, 0);
    EXPECT_NE(ReadBytes(out), earlier);
}

TEST(CliRewrite, OutThatCannotBeCreatedExits4)
{
    TempDir dir;
    const std::string in = dir / "in.cdf";
    WriteBytes(in, ManyPages(1));
    const std::string nowhere = dir / "no-such-folder/out.cdf";
    for (const auto& args : {std::vector<std::string>{"rewrite", in, nowhere}, {"new", nowhere}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitStatus, 4) << args[0];
        EXPECT_NE(r.err.find("cannot write " + nowhere), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

    // A load problem and a failed write together: the write failure wins.
    const std::string broken = dir / "broken.cdf";
    WriteBytes(broken, "<CHANNEL><TITLE>x</P></TITLE></CHANNEL>");
    EXPECT_EQ(RunCli({"rewrite", broken, nowhere}).exitStatus, 4);
}
