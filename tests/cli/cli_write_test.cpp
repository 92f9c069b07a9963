// feedwright-cdf new and rewrite: the bytes they write, and that a failed
// write never damages the file that was there.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

TEST(CliNew, ReplacesOutWithTheFreshChannel)
{
    const TempDir dir;
    WriteBytes(dir / "new.cdf", std::string(100000, 'x'));
    const CliResult r = RunCli({"new", dir / "new.cdf"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(ReadBytes(dir / "new.cdf"), ReadBytes(kGolden / "fresh.cdf"));
}

TEST(CliRewrite, FailedWriteKeepsTheEarlierOutAndLoadProblemsStillWrite)
{
    const TempDir dir;
    std::string pages = "<?XML VERSION=\"1.0\"?>\r\n<CHANNEL HREF=\"http://server\">\r\n<TITLE>Many</TITLE>\r\n";
    for (int i = 0; i < 400; ++i)  // several times 4 KiB in the writer's form
        pages += "<ITEM HREF=\"page" + std::to_string(i) + ".htm\"></ITEM>\r\n";
    WriteBytes(dir / "clean.cdf", pages + "</CHANNEL>\r\n");
    WriteBytes(dir / "broken.cdf", pages + "<ABSTRACT>a <B>b</B></ABSTRACT>\r\n<ITEM HREF=\"lost.htm\"></ITEM>\r\n");
    WriteBytes(dir / "out.cdf", "earlier");
    const std::vector<std::string> rewrite{"rewrite", dir / "broken.cdf", dir / "out.cdf"};
    const std::vector<std::string> files{"broken.cdf", "clean.cdf", "out.cdf"};

    // Root ignores permission bits but not a file-size limit, which fails the
    // save as an ordinary write failure (nothing is written), not by a signal.
    // That outweighs the load problem.
    const CliResult failed = RunCli(rewrite, "ulimit -f 8; ");
    EXPECT_EQ(failed.status, 4);
    EXPECT_NE(failed.err.find("cannot write " + rewrite[2]), std::string::npos) << failed.err;
    EXPECT_EQ(ReadBytes(rewrite[2]), "earlier");
    EXPECT_EQ(Names(dir.path), files);

    // Without the limit, what was read before the load problem is written.
    const CliResult broken = RunCli(rewrite);
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.err, "feedwright-cdf: " + rewrite[1] + ": element error\n");
    EXPECT_EQ(RunCli({"rewrite", dir / "clean.cdf", dir / "clean.cdf"}).status, 0);  // in place
    EXPECT_EQ(ReadBytes(rewrite[2]), ReadBytes(dir / "clean.cdf"));

    EXPECT_EQ(RunCli({"rewrite", dir / "missing.cdf", dir / "none.cdf"}).status, 3);
    EXPECT_EQ(RunCli({"new", dir / "no-such-folder/new.cdf"}).status, 4);
    EXPECT_EQ(Names(dir.path), files);
}
