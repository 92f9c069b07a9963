// How feedwright-cdf presents itself: help, version and wrong usage.

#include <gtest/gtest.h>

#include "CliProcess.h"

using namespace clitest;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(CliUsage, VersionNamesProgramAndVersion)
{
    const CliResult r = RunCli({"--version"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.out, "feedwright-cdf 1.2\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliUsage, HelpListsEveryCommandWithAnExampleAndTheExitStatuses)
{
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, "");
    for (const char* command : {"new OUT.cdf", "rewrite IN.cdf OUT.cdf", "check FILE.cdf...", "show FILE.cdf",
                                "--version"})
        EXPECT_TRUE(Contains(r.out, command)) << command;
    for (const char* example : {"feedwright-cdf new ", "feedwright-cdf rewrite ", "feedwright-cdf check ",
                                "feedwright-cdf show "})
        EXPECT_TRUE(Contains(r.out, example)) << example;
    for (const char* status : {"  0 ", "  2 ", "  3 ", "  4 ", "  64 "})
        EXPECT_TRUE(Contains(r.out, status)) << status;
    EXPECT_TRUE(Contains(r.out, "4 over 3 over 2"));
}

TEST(CliUsage, WrongUsageExits64WithTheUsageOnStandardError)
{
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate", "a.cdf"},
        {"new"},
        {"new", "a.cdf", "b.cdf"},
        {"rewrite", "a.cdf"},
        {"rewrite", "a.cdf", "b.cdf", "c.cdf"},
        {"check"},
        {"show"},
        {"show", "a.cdf", "b.cdf"},
        {"check", "--verbose", "a.cdf"},
        {"--version", "extra"},
        {"-x"},
    };
    for (const auto& args : wrong) {
        std::string line;
        for (const auto& arg : args)
            line += arg + " ";
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitStatus, 64) << line;
        EXPECT_EQ(r.out, "") << line;
        EXPECT_TRUE(Contains(r.err, "Usage: feedwright-cdf new OUT.cdf")) << line << r.err;
        EXPECT_TRUE(Contains(r.err, "--help")) << line;
    }
}

TEST(CliUsage, DoubleDashTakesTheRestAsFileNames)
{
    TempDir dir;
    const std::string name = "-odd.cdf";
    CliOptions inDir;
    inDir.workingDir = dir.Path().string();
    const CliResult made = RunCli({"new", "--", name}, inDir);
    EXPECT_EQ(made.exitStatus, 0) << made.err;
    const CliResult checked = RunCli({"check", "--", name}, inDir);
    EXPECT_EQ(checked.exitStatus, 0);
    EXPECT_EQ(checked.out, name + ": ok\n");
}
