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
    for (const char* part :
         {"  new OUT.cdf ", "feedwright-cdf new NewChannel.cdf\n", "  rewrite IN.cdf OUT.cdf ",
          "feedwright-cdf rewrite old.cdf tidy.cdf\n", "  check FILE.cdf... ", "feedwright-cdf check channels/*.cdf\n",
          "  show FILE.cdf ", "feedwright-cdf show channel.cdf > channel.json\n", "  lint FILE.cdf... ",
          "  new OUT.cdf --from-folder DIR --url URL\n", "  export --to FORMAT IN.cdf [OUT]\n", "  --version "})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;

    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out + version.err, "feedwright-cdf " FEEDWRIGHT_VERSION "\n");
}

TEST(CliUsage, WrongUsageExits64WithTheUsageOnStandardError)
{
    // The calls, parted by ';', and their arguments, by ','.
    const std::string calls =
        ";frobnicate,a.cdf;new;new,a.cdf,b.cdf;rewrite,a.cdf;rewrite,a.cdf,b.cdf,c.cdf;check;show;"
        "show,a.cdf,b.cdf;check,--verbose,a.cdf;--version,extra;-x;lint;lint,--to,x,a;export,a.cdf;"
        "export,--to,pdf,a.cdf;export,--to,html;export,--to,html,a,b,c;export,a.cdf,--to;"
        "export,--to,html,--to,opml,a.cdf;new,a.cdf,--url,http://s/;"
        "new,a.cdf,--from-folder,.,--url,file:///x;new,a.cdf,--from-folder,.,--url,http://s/a b";
    for (const std::string& call : casefile::Split(calls, ';')) {
        const std::vector<std::string> args = casefile::Split(call, ',');
        SCOPED_TRACE(testing::PrintToString(args));
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("\nUsage: feedwright-cdf new OUT.cdf\n"), std::string::npos) << r.err;
    }
}

TEST(CliUsage, DoubleDashTakesTheRestAsFileNames)
{
    const TempDir dir;
    const std::string inDir = "cd '" + dir.path.string() + "'; ";
    EXPECT_EQ(RunCli({"new", "--", "-odd.cdf"}, inDir).status, 0);
    EXPECT_EQ(RunCli({"check", "--", "-odd.cdf"}, inDir).out, "-odd.cdf: ok\n");
}
