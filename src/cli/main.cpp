// feedwright-cdf: the command-line companion of Feedwright. Arguments are
// parsed by hand; the commands reuse the program's own reader and writer.

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "Usage.h"
#include "export/ExportCommand.h"
#include "feeds/FeedCommand.h"
#include "fromfolder/FromFolderCommand.h"
#include "lint/LintCommand.h"

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

// The operands after the command and the values of its options. Each option
// takes a value, as "--name VALUE" or "--name=VALUE", but for the few that
// are switches (`kSwitches`, given alone); false for an option the command
// does not know, a missing value or an option given twice.
constexpr std::array<std::string_view, 1> kSwitches = {"--strict"};

bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string_view>& known,
                    std::vector<std::string>& operands, std::map<std::string, std::string>& options,
                    std::string& problem)
{
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            problem = "unknown option '" + name + "'";
            return false;
        }
        if (options.count(name) != 0) {
            problem = "option '" + name + "' given twice";
            return false;
        }
        if (std::find(kSwitches.begin(), kSwitches.end(), name) != kSwitches.end()) {
            if (equals != std::string::npos) {
                problem = "option '" + name + "' takes no value";
                return false;
            }
            options[name] = "";
        } else if (equals != std::string::npos) {
            options[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            options[name] = args[++i];
        } else {
            problem = "option '" + name + "' needs a value";
            return false;
        }
    }
    return true;
}

// --limit N: a whole number from 1 up; 0 stands for no limit.
bool ParseLimit(const std::map<std::string, std::string>& options, std::size_t& limit, std::string& problem)
{
    limit = 0;
    const auto given = options.find("--limit");
    if (given == options.end())
        return true;
    const std::string& text = given->second;
    const bool digits = !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoul(text) == 0) {
        problem = "--limit " + text + ": give the number of items to keep, 1 or more";
        return false;
    }
    limit = std::stoul(text);
    return true;
}

ExitStatus RunNewFromFeedCommand(const std::string& out, const std::map<std::string, std::string>& options)
{
    std::string problem;
    if (options.count("--from-folder") != 0)
        return WrongUsage("--from-feed and --from-folder do not go together");
    std::size_t limit = 0;
    if (!ParseLimit(options, limit, problem))
        return WrongUsage(problem);
    const auto url = options.find("--url");
    if (url != options.end() && !IsSiteUrl(url->second, problem))
        return WrongUsage("--url " + url->second + ": " + problem);
    return RunNewFromFeed(out, options.at("--from-feed"), url == options.end() ? std::string() : url->second, limit);
}

ExitStatus RunRefreshCommand(const std::vector<std::string>& files, const std::map<std::string, std::string>& options)
{
    if (files.size() != 1)
        return WrongUsage("refresh takes one file: CHANNEL.cdf");
    const auto feed = options.find("--from-feed");
    if (feed == options.end())
        return WrongUsage("refresh needs --from-feed FEED");
    std::size_t limit = 0;
    std::string problem;
    if (!ParseLimit(options, limit, problem))
        return WrongUsage(problem);
    return RunRefresh(files[0], feed->second, limit);
}

ExitStatus RunNewCommand(const std::vector<std::string>& files, const std::map<std::string, std::string>& options)
{
    if (files.size() != 1)
        return WrongUsage("new takes one file: OUT.cdf");
    if (options.empty())
        return RunNew(files[0]);
    if (options.count("--from-feed") != 0)
        return RunNewFromFeedCommand(files[0], options);
    if (options.count("--limit") != 0)
        return WrongUsage("--limit goes with --from-feed");
    const auto folder = options.find("--from-folder");
    const auto url = options.find("--url");
    if (folder == options.end() || url == options.end())
        return WrongUsage("--from-folder and --url go together");
    std::string problem;
    if (!IsSiteUrl(url->second, problem))
        return WrongUsage("--url " + url->second + ": " + problem);
    return RunNewFromFolder(files[0], folder->second, url->second);
}

ExitStatus RunExportCommand(const std::vector<std::string>& files, const std::map<std::string, std::string>& options)
{
    const auto to = options.find("--to");
    if (to == options.end())
        return WrongUsage("export needs --to opml, --to html, --to sitemap, --to rss or --to atom");
    const std::optional<ExportFormat> format = ExportFormatNamed(to->second);
    if (!format)
        return WrongUsage("export --to " + to->second + ": the formats are opml, html, sitemap, rss and atom");
    if (files.empty() || files.size() > 2)
        return WrongUsage("export takes IN.cdf and, if the result is not for standard output, OUT");
    return RunExport(*format, files[0], files.size() == 2 ? files[1] : std::string());
}

ExitStatus Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return WrongUsage("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h")
        return args.size() == 1 ? PrintToStandardOutput(HelpText()) : WrongUsage("--help takes no arguments");
    if (command == "--version")
        return args.size() == 1 ? PrintToStandardOutput(VersionText()) : WrongUsage("--version takes no arguments");

    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    std::string problem;
    std::vector<std::string_view> known;
    if (command == "new")
        known = {"--from-folder", "--from-feed", "--url", "--limit"};
    else if (command == "refresh")
        known = {"--from-feed", "--limit"};
    else if (command == "export")
        known = {"--to"};
    else if (command == "lint")
        known = {"--site"};
    else if (command == "rewrite")
        known = {"--strict"};
    if (!ParseArguments(args, known, files, options, problem))
        return WrongUsage(problem);

    if (command == "new")
        return RunNewCommand(files, options);
    if (command == "export")
        return RunExportCommand(files, options);
    if (command == "refresh")
        return RunRefreshCommand(files, options);
    if (command == "rewrite") {
        if (files.size() != 2)
            return WrongUsage("rewrite takes two files: IN.cdf OUT.cdf");
        return RunRewrite(files[0], files[1], options.contains("--strict"));
    }
    if (command == "check") {
        if (files.empty())
            return WrongUsage("check takes at least one file");
        return RunCheck(files);
    }
    if (command == "lint") {
        if (files.empty())
            return WrongUsage("lint takes at least one file");
        const auto site = options.find("--site");
        return RunLint(files, site == options.end() ? std::string() : site->second);
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
