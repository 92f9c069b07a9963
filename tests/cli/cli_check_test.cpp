// feedwright-cdf check: one verdict line per file and the most severe exit status.

#include <gtest/gtest.h>

#include "CliProcess.h"

using namespace clitest;

namespace {

const std::string kDeclaration = "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n";
const std::string kBody = "<CHANNEL HREF=\"http://server\">\r\n<TITLE>T</TITLE>\r\n</CHANNEL>\r\n";

struct Sample {
    const char* name;
    std::string bytes;
    const char* verdict;
};

std::vector<Sample> Samples()
{
    return {
        {"clean.cdf", kDeclaration + kBody, "ok"},
        {"tag_in_title.cdf", kDeclaration + "<CHANNEL>\r\n<TITLE>a <B>b</B></TITLE>\r\n</CHANNEL>\r\n",
         "element error"},
        {"error_without_declaration.cdf", "<CHANNEL><ABSTRACT>x</P></ABSTRACT></CHANNEL>", "element error"},
        {"no_declaration.cdf", kBody, "no XML declaration (phase 0)"},
        {"lower_case_declaration.cdf", "<?xml version=\"1.0\"?>\r\n" + kBody, "no XML declaration (phase 0)"},
        {"empty.cdf", "", "no XML declaration (phase 0)"},
        {"declaration_without_question_mark.cdf", "<?XML VERSION=\"1.0\">\r\n" + kBody,
         "incomplete XML declaration (phase 1)"},
    };
}

}  // namespace

TEST(CliCheck, EachFileGetsItsVerdictAndLoadProblemsExit2)
{
    TempDir dir;
    for (const Sample& sample : Samples()) {
        const std::string path = dir / sample.name;
        WriteBytes(path, sample.bytes);
        const CliResult r = RunCli({"check", path});
        EXPECT_EQ(r.out, path + ": " + sample.verdict + "\n");
        EXPECT_EQ(r.exitStatus, std::string(sample.verdict) == "ok" ? 0 : 2) << sample.name;
    }
}

TEST(CliCheck, MissingFileCannotOpenAndExits3)
{
    TempDir dir;
    const std::string missing = dir / "missing.cdf";
    const CliResult r = RunCli({"check", missing});
    EXPECT_EQ(r.out, missing + ": cannot open\n");
    EXPECT_EQ(r.exitStatus, 3);
}

TEST(CliCheck, SeveralFilesReportInOrderAndTheMostSevereStatusWins)
{
    TempDir dir;
    std::vector<std::string> paths;
    std::string expected;
    for (const Sample& sample : Samples()) {
        paths.push_back(dir / sample.name);
        WriteBytes(paths.back(), sample.bytes);
        expected += paths.back() + ": " + sample.verdict + "\n";
    }
    // Without a missing file, load problems give 2 ...
    std::vector<std::string> args{"check"};
    args.insert(args.end(), paths.begin(), paths.end());
    CliResult r = RunCli(args);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.exitStatus, 2);

    // ... and one missing file among them raises it to 3, wherever it stands.
    const std::string missing = dir / "missing.cdf";
    args.insert(args.begin() + 2, missing);
    r = RunCli(args);
    EXPECT_EQ(r.exitStatus, 3);
    EXPECT_NE(r.out.find(paths[0] + ": ok\n" + missing + ": cannot open\n" + paths[1] + ": element error\n"),
              std::string::npos)
        << r.out;
}

TEST(CliCheck, FolderGivenAsFileCannotBeOpened)
{
    TempDir dir;
    const CliResult r = RunCli({"check", dir.Path().string()});
    EXPECT_EQ(r.out, dir.Path().string() + ": cannot open\n");
    EXPECT_EQ(r.exitStatus, 3);
}

TEST(CliCheck, UnwritableStandardOutputIsAFailureNotSuccess)
{
    TempDir dir;
    WriteBytes(dir / "clean.cdf", kDeclaration + kBody);
    CliOptions full;
    full.stdoutPath = "/dev/full";
    const CliResult r = RunCli({"check", dir / "clean.cdf"}, full);
    EXPECT_EQ(r.exitStatus, 4);
    EXPECT_NE(r.err.find("cannot write standard output"), std::string::npos) << r.err;
}
