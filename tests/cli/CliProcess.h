#pragma once
// Runs the built feedwright-cdf binary and collects what it said, plus
// small file helpers for the end-to-end tests.

#include <filesystem>
#include <string>
#include <vector>

namespace clitest {

struct CliResult {
    int exitStatus = -1;  // 128 + signal number when the process was killed
    std::string out;
    std::string err;
};

struct CliOptions {
    // Largest file the process may write (RLIMIT_FSIZE), or -1 for no limit.
    long long fileSizeLimit = -1;
    // Where standard output goes instead of being collected, e.g. "/dev/full".
    std::string stdoutPath;
    // The folder the process starts in, or empty for the test's own.
    std::string workingDir;
};

CliResult RunCli(const std::vector<std::string>& args, const CliOptions& options = {});

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// The folder of the writer's golden files.
std::filesystem::path GoldenDir();

}  // namespace clitest
