// How feedwright-cdf presents itself: help, version and wrong usage.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "common/CaseFile.h"

using namespace clitest;

TEST(CliUsage, HelpListsEveryCommandWithAnExampleAndVersionNamesTheProgram)
{
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(RunCli({"-h"}).out, help.out);
    for (const char* part :
         {"  new OUT.cdf ", "feedwright-cdf new NewChannel.cdf\n", "  rewrite [--strict] IN.cdf OUT.cdf\n",
          "feedwright-cdf rewrite old.cdf tidy.cdf\n", "  check FILE.cdf... ", "feedwright-cdf check channels/*.cdf\n",
          "  show FILE.cdf ", "feedwright-cdf show channel.cdf > channel.json\n", "  lint [--site DIR] FILE.cdf...\n",
          "  new OUT.cdf --from-folder DIR --url URL\n", "  new OUT.cdf --from-feed FEED [--url URL] [--limit N]\n",
          "  refresh CHANNEL.cdf --from-feed FEED ", "  export --to FORMAT IN.cdf [OUT]\n", "  --version ",
          "  64  wrong usage\n"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out + version.err, "feedwright-cdf " FEEDWRIGHT_VERSION "\n");
}

// The cases of tests/data/cli/wrong_usage.txt.
TEST(CliUsage, WrongUsageExits64WithTheUsageOnStandardError)
{
    std::size_t lines = 0;
    for (std::vector<std::string> args : casefile::Rows("cli/wrong_usage.txt")) {
        if (args == std::vector<std::string>{"(none)"})
            args.clear();
        ++lines;
        SCOPED_TRACE(testing::PrintToString(args));
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("\nUsage: feedwright-cdf new OUT.cdf\n"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("\n       feedwright-cdf check FILE.cdf...\n"), std::string::npos) << r.err;
    }
    EXPECT_EQ(lines, 30u);
}

TEST(CliUsage, DoubleDashTakesTheRestAsFileNames)
{
    const TempDir dir;
    const std::string inDir = "cd '" + dir.path.string() + "'; ";
    EXPECT_EQ(RunCli({"new", "--", "-odd.cdf"}, inDir).status, 0);
    EXPECT_EQ(RunCli({"check", "--", "-odd.cdf"}, inDir).out, "-odd.cdf: ok\n");
    // A second "--" and a lone "-" are file names too.
    EXPECT_EQ(RunCli({"check", "-", "--", "--"}, inDir).out, "-: cannot open\n--: cannot open\n");
}
