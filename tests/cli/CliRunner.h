#pragma once
// Runs the built feedwright-cdf and collects what it said; file helpers.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace clitest {

namespace fs = std::filesystem;

inline const fs::path kGolden = fs::path(FEEDWRIGHT_TEST_DATA_DIR) / "golden";

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const fs::path& path, const std::string& bytes)
{
    if (!(std::ofstream(path, std::ios::binary) << bytes))
        throw std::runtime_error("cannot write " + path.string());
}

// The names in a folder, sorted.
inline std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh folder, removed with its contents.
struct TempDir {
    fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "feedwright-cli-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        return pattern;
    }();
    TempDir() = default;
    TempDir(const TempDir&) = delete;
    ~TempDir() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

struct CliResult {
    int status = -1;  // 128 + the signal's number when a signal ended the program
    std::string out, err;
};

// Runs `words` (the program first) with standard output and error captured.
inline CliResult RunCaptured(std::vector<std::string> words)
{
    const TempDir capture;
    words.insert(
        words.begin(),
        {"/bin/sh", "-c", "exec >\"$1\" 2>\"$2\"; shift 2; exec \"$@\"", "sh", capture / "out", capture / "err"});
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int wait = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 || waitpid(pid, &wait, 0) != pid)
        throw std::runtime_error("cannot run /bin/sh");
    return {WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait), ReadBytes(capture / "out"),
            ReadBytes(capture / "err")};
}

// `setup` is shell text run just before the shell becomes feedwright-cdf, e.g.
// "ulimit -f 8; " or "exec >/dev/full; "; signals it ignores stay ignored.
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& setup = "")
{
    std::vector<std::string> words{"/bin/sh", "-c", setup + "exec \"$@\"", "sh", FEEDWRIGHT_CDF_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    return RunCaptured(words);
}

// Whether xmllint finds the file well-formed; its complaint otherwise.
inline std::string XmlProblems(const std::string& path)
{
    const CliResult r = RunCaptured({"xmllint", "--noout", path});
    return r.status == 0 ? std::string() : "xmllint exit " + std::to_string(r.status) + ": " + r.err;
}

}  // namespace clitest
