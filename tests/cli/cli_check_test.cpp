// What check and show say of a clean file, each load problem and a file that
// cannot be opened, and the most severe exit status of several files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "CliRunner.h"

using namespace clitest;

TEST(CliCheckAndShow, EachKindOfFileAloneAndAllTogether)
{
    struct Sample {
        std::string name, verdict, status;  // status: as show names it
        int exit;
        const char* prolog;  // null: no such file
        std::string tail = "</CHANNEL>\r\n";
    };
    // Ordered so that the most severe exit status comes neither first, nor as
    // the first problem, nor last.
    const std::vector<Sample> samples = {
        {"clean.cdf", "ok", "ok", 0, "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n"},
        {"tag.cdf", "element error", "element error", 2, "<?XML VERSION=\"1.0\"?>\r\n", "<ABSTRACT>x<BR></ABSTRACT>"},
        {"missing.cdf", "cannot open", "", 3, nullptr},
        {"undeclared.cdf", "no XML declaration (phase 0)", "phase 0", 2, ""},
        {"folder.cdf", "cannot open", "", 3, nullptr},
        {"unended.cdf", "incomplete XML declaration (phase 1)", "phase 1", 2, "<?XML VERSION=\"1.0\">\r\n"},
        // Neither a FIFO without a writer nor an endless device is waited for or read.
        {"fifo.cdf", "cannot open", "", 3, nullptr},
        {"zero.cdf", "cannot open", "", 3, nullptr},
        {"clean_again.cdf", "ok", "ok", 0, "<?XML VERSION=\"1.0\"?>\r\n"},
    };
    const TempDir dir;
    fs::create_directory(dir / "folder.cdf");
    ASSERT_EQ(mkfifo((dir / "fifo.cdf").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.cdf");
    std::vector<std::string> all{"check"};
    std::string allOut;
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::string path = dir / sample.name;
        if (sample.prolog != nullptr)
            WriteBytes(path,
                       sample.prolog +
                           ("<CHANNEL HREF=\"http://server\">\r\n<TITLE>T</TITLE>\r\n"
                            "<ITEM HREF=\"p.htm\"></ITEM>\r\n" +
                            sample.tail));
        const CliResult checked = RunCli({"check", path});
        EXPECT_EQ(checked.out, path + ": " + sample.verdict + "\n");
        EXPECT_EQ(checked.status, sample.exit);
        all.push_back(path);
        allOut += checked.out;

        // show says the same on standard error and still shows what was read.
        const CliResult shown = RunCli({"show", path});
        EXPECT_EQ(shown.status, sample.exit);
        EXPECT_EQ(shown.err, sample.exit == 0 ? "" : "feedwright-cdf: " + checked.out);
        if (sample.exit == 3) {
            EXPECT_EQ(shown.out, "");
            // lint and export refuse the same files, at once too.
            EXPECT_EQ(RunCli({"lint", path}).status, 3);
            EXPECT_EQ(RunCli({"export", "--to", "opml", path}).status, 3);
            continue;
        }
        EXPECT_EQ(shown.out.substr(0, shown.out.find(",\"cdfUrl\"")),
                  R"({"status":")" + sample.status +
                      R"(","head":{"homeUrl":"http://server","title":"T","abstract":"")");
        EXPECT_NE(shown.out.find(R"("children":[{"label":"新規ページ","href":"p.htm",)"), std::string::npos);
    }
    const CliResult r = RunCli(all);
    EXPECT_EQ(r.out, allOut);
    EXPECT_EQ(r.status, 3);
    // Without the files that cannot be opened, the load problems decide.
    EXPECT_EQ(RunCli({"check", all[1], all[2], all[9]}).status, 2);
}

TEST(CliCheckAndShow, UnwritableStandardOutputIsAFailure)
{
    const std::string fresh = (kGolden / "fresh.cdf").string();
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"check", fresh}, {"show", fresh}, {"--help"}}) {
        const CliResult r = RunCli(args, "exec >/dev/full; ");
        EXPECT_EQ(r.status, 4) << args[0];
        EXPECT_EQ(r.err, "feedwright-cdf: cannot write standard output\n") << args[0];
    }
}
