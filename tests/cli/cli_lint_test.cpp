// What lint says of small files, one rule group each, and of every golden
// file Create wrote, as tests/data/lint/expected.txt has it; its exit status
// over several files.

#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace clitest;

TEST(CliLint, EachFileGivesExactlyItsLinesAndSeveralTheMostSevereStatus)
{
    const fs::path folder = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "lint";
    struct Expected {
        std::string path, out;
        int exit;
    };
    std::vector<Expected> files;
    std::ifstream in(folder / "expected.txt");
    for (std::string line; std::getline(in, line);) {
        const std::size_t blank = line.rfind(' ');
        if (line.starts_with("== "))
            files.push_back(
                {(folder / line.substr(3, blank - 3)).lexically_normal(), "", std::stoi(line.substr(blank))});
        else if (!line.empty() && line[0] != '#')
            files.back().out += files.back().path + ":" + line + "\n";
    }
    std::size_t samples = 0;
    for (const fs::path& dir : {folder, kGolden}) {
        for (const std::string& name : Names(dir))
            samples += name.ends_with(".cdf") ? 1 : 0;
    }
    EXPECT_EQ(files.size(), samples) << "a .cdf file without its lines";

    std::vector<std::string> all{"lint"};
    std::string allOut;
    for (const Expected& file : files) {
        SCOPED_TRACE(file.path);
        const CliResult r = RunCli({"lint", file.path});
        EXPECT_EQ(r.out, file.out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, file.exit);
        all.push_back(file.path);
        allOut += r.out;
    }
    // Several files: each file's lines in turn and the most severe status;
    // a file that cannot be opened, or is too large to hold in memory (a
    // sparse file of 8 TiB), is said on standard error and the next is linted.
    const TempDir dir;
    const std::string huge = dir / "huge.cdf";
    WriteBytes(huge, "");
    fs::resize_file(huge, std::uintmax_t{1} << 43);
    all.insert(all.begin() + 1, huge);
    all.push_back(folder / "missing.cdf");
    const CliResult r = RunCli(all);
    EXPECT_EQ(r.out, allOut);
    EXPECT_EQ(r.err,
              "feedwright-cdf: " + huge + ": cannot open (too large to hold in memory)\n" +
                  "feedwright-cdf: " + all.back() + ": cannot open (No such file or directory)\n");
    EXPECT_EQ(r.status, 3);
}

// With --site, every page link, relative or under BASE, must name a file or
// folder of the local copy of the site; links elsewhere are not judged.
TEST(CliLint, SiteFolderFindsLinksToPagesItDoesNotHold)
{
    const TempDir dir;
    fs::create_directories(dir.path / "site" / "docs");
    WriteBytes(dir.path / "site" / "index.htm", "");
    WriteBytes(dir.path / "site" / "caf\xC3\xA9.htm", "");
    WriteBytes(
        dir.path / "channel.cdf",
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"http://s\" SELF=\"http://s/c.cdf\" "
        "BASE=\"http://s/\">\n<TITLE>T</TITLE>\n"
        "<SCHEDULE><INTERVALTIME DAY=\"1\"/></SCHEDULE>\n"
        "<ITEM HREF=\"index.htm\"><TITLE>a</TITLE></ITEM>\n<ITEM HREF=\"http://s/docs\"><TITLE>b</TITLE></ITEM>\n"
        "<ITEM HREF=\"caf%C3%A9.htm#top\"><TITLE>c</TITLE></ITEM>\n<ITEM "
        "HREF=\"http://other/x.htm\"><TITLE>d</TITLE></ITEM>\n"
        "<ITEM HREF=\"http://s/gone.htm\"><TITLE>e</TITLE></ITEM>\n<ITEM "
        "HREF=\"old/gone.htm\"><TITLE>f</TITLE></ITEM>\n"
        "</CHANNEL>\n");
    const std::string channel = (dir.path / "channel.cdf").string();
    const CliResult r = RunCli({"lint", "--site", (dir.path / "site").string(), channel});
    EXPECT_EQ(r.out,
              channel + ":9: warning: HREF \"http://s/gone.htm\" names no page of the site folder\n" + channel +
                  ":10: warning: HREF \"old/gone.htm\" names no page of the site folder\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(RunCli({"lint", "--site", (dir.path / "none").string(), channel}).status, 3);
}
