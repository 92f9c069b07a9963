// feedwright-cdf: the command-line companion of Feedwright. Arguments are
// parsed by hand; the commands reuse the program's own reader and writer.

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "Usage.h"

namespace {

using namespace fw::cli;

void Print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

ExitStatus WrongUsage(const std::string& problem)
{
    std::fprintf(stderr, "feedwright-cdf: %s\n", problem.c_str());
    Print(stderr, UsageSummary());
    Print(stderr, "Try 'feedwright-cdf --help' for more.\n");
    return kExitUsage;
}

ExitStatus PrintToStandardOutput(std::string_view text)
{
    Print(stdout, text);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "feedwright-cdf: cannot write standard output\n");
        return kExitCannotWrite;
    }
    return kExitOk;
}

// The file operands after the command; false for an option where a file was due.
bool CollectOperands(const std::vector<std::string>& args, std::vector<std::string>& operands,
                     std::string& problem)
{
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            problem = "unknown option '" + arg + "'";
            return false;
        } else {
            operands.push_back(arg);
        }
    }
    return true;
}

ExitStatus Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return WrongUsage("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h")
        return args.size() == 1 ? PrintToStandardOutput(HelpText()) : WrongUsage("--help takes no arguments");
    if (command == "--version")
        return args.size() == 1 ? PrintToStandardOutput(VersionText())
                                : WrongUsage("--version takes no arguments");

    std::vector<std::string> files;
    std::string problem;
    if (!CollectOperands(args, files, problem))
        return WrongUsage(problem);

    if (command == "new") {
        if (files.size() != 1)
            return WrongUsage("new takes one file: OUT.cdf");
        return RunNew(files[0]);
    }
    if (command == "rewrite") {
        if (files.size() != 2)
            return WrongUsage("rewrite takes two files: IN.cdf OUT.cdf");
        return RunRewrite(files[0], files[1]);
    }
    if (command == "check") {
        if (files.empty())
            return WrongUsage("check takes at least one file");
        return RunCheck(files);
    }
    if (command == "show") {
        if (files.size() != 1)
            return WrongUsage("show takes one file: FILE.cdf");
        return RunShow(files[0]);
    }
    return WrongUsage("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "feedwright-cdf: out of memory\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "feedwright-cdf: unexpected failure: %s\n", error.what());
    }
    return kExitUnexpected;
}
