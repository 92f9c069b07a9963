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

// rewrite --strict writes a file whose only changes are the writer's own
// (a URL's trailing "/", a placeholder title, sub-channels before pages) and
// refuses one that would lose something, saying each change.
TEST(CliRewrite, StrictWritesOnlyWhatTheWriterAlwaysChanges)
{
    const TempDir dir;
    const std::string head =
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"http://s/\" SELF=\"http://s/c.cdf\">\n"
        "<TITLE>T</TITLE>\n<SCHEDULE><INTERVALTIME ";
    WriteBytes(dir.path / "tidy.cdf",
               head +
                   "DAY=\"1\"/></SCHEDULE>\n<ITEM HREF=\"a.htm\"></ITEM>\n"
                   "<CHANNEL HREF=\"sub/\"><TITLE>S</TITLE></CHANNEL>\n</CHANNEL>\n");
    WriteBytes(dir.path / "lossy.cdf",
               head +
                   "HOUR=\"5\"/></SCHEDULE>\n<ITEM HREF=\"a.htm\" PRECACHE=\"no\">"
                   "<TITLE>A</TITLE></ITEM>\n</CHANNEL>\n");
    const CliResult tidy = RunCli({"rewrite", "--strict", dir.path / "tidy.cdf", dir.path / "tidy.out"});
    EXPECT_EQ(tidy.status, 0) << tidy.err;
    EXPECT_EQ(tidy.err, "");
    EXPECT_TRUE(fs::exists(dir.path / "tidy.out"));

    const std::string lossy = (dir.path / "lossy.cdf").string();
    const CliResult refused = RunCli({"rewrite", "--strict", lossy, dir.path / "lossy.out"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "feedwright-cdf: " + lossy + ":2: normalised: HREF \"http://s/\" is saved as \"http://s\": Feedwright " +
                  "trims blanks and one trailing \"/\"\nfeedwright-cdf: " + lossy +
                  ":4: would be lost: HOUR \"5\" of INTERVALTIME becomes 6 when Feedwright opens and saves " +
                  "this file: its schedule knows only 0, 1, 2, 3, 4, 6, 8 and 12 hours\n" + "feedwright-cdf: " + lossy +
                  ":5: would be lost: PRECACHE \"no\" becomes YES when Feedwright opens " +
                  "and saves this file: it reads only \"NO\" in capitals\nfeedwright-cdf: " + lossy +
                  ": not rewritten: --strict allows only the changes the writer always makes\n");
    EXPECT_FALSE(fs::exists(dir.path / "lossy.out"));
}
