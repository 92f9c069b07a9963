// Saving to disk: the target is replaced only by a complete file, and a
// failure of any kind leaves the earlier file byte for byte and no debris.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cdf/SafeSave.h"
#include "core/channel_builders.h"
#include "core/writer_sinks.h"
#include "core/writer_test_support.h"

namespace {

namespace fs = std::filesystem;

class SaveCdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "feedwright-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    static void WriteFile(const std::string& path, const std::string& bytes, mode_t mode = 0644)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        chmod(path.c_str(), mode);
    }

    // The names in the folder: shows any temporary file left behind.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename().string());
        return names;
    }

    static mode_t ModeOf(const std::string& path)
    {
        struct stat info {};
        stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    static std::string Fresh() { return cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf"); }

    // Saves through a sink that takes `limit` bytes onto the disk and then fails.
    static fw::SaveStatus SaveFailingAfter(fw::Channel& channel, const std::string& path, std::size_t limit)
    {
        return fw::SaveCdfFileThrough(channel, path, [limit](int fd) -> std::unique_ptr<fw::ByteSink> {
            struct DiskFillingUp final : fw::ByteSink {
                DiskFillingUp(int fd, std::size_t limit) : disk(fd), gate(limit, &disk) {}
                bool Write(std::string_view bytes) override { return gate.Write(bytes); }
                fw::FdSink disk;
                cdftest::FailAfterSink gate;
            };
            return std::make_unique<DiskFillingUp>(fd, limit);
        });
    }

    static bool RunningAsRoot() { return geteuid() == 0; }

    fs::path m_dir;
};

TEST_F(SaveCdf, NewFileGetsTheWrittenBytesAndTheUsualPermissions)
{
    fw::Channel channel;
    const std::string target = PathOf("new.cdf");
    ASSERT_EQ(fw::SaveCdfFile(channel, target), fw::SaveStatus::Ok);
    EXPECT_TRUE(cdftest::ReadFileBytes(target) == Fresh());
    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(ModeOf(target), 0666 & ~mask);
    EXPECT_EQ(Names(), std::set<std::string>{"new.cdf"});
}

TEST_F(SaveCdf, ExistingFileIsReplacedAndKeepsItsPermissions)
{
    const std::string target = PathOf("old.cdf");
    WriteFile(target, "an older and much longer channel file than the fresh one ... " + std::string(1000, 'x'), 0640);
    fw::Channel channel;
    ASSERT_EQ(fw::SaveCdfFile(channel, target), fw::SaveStatus::Ok);
    EXPECT_TRUE(cdftest::ReadFileBytes(target) == Fresh());
    EXPECT_EQ(ModeOf(target), 0640u);
    EXPECT_EQ(Names(), std::set<std::string>{"old.cdf"});
}

TEST_F(SaveCdf, SymbolicLinkSurvivesAndTheFileItNamesIsReplaced)
{
    fs::create_directory(m_dir / "real");
    WriteFile(PathOf("real/channel.cdf"), "old");
    fs::create_symlink("real/channel.cdf", m_dir / "link.cdf");
    fs::create_symlink("real/not-yet.cdf", m_dir / "dangling.cdf");

    fw::Channel channel;
    ASSERT_EQ(fw::SaveCdfFile(channel, PathOf("link.cdf")), fw::SaveStatus::Ok);
    ASSERT_EQ(fw::SaveCdfFile(channel, PathOf("dangling.cdf")), fw::SaveStatus::Ok);

    EXPECT_TRUE(fs::is_symlink(m_dir / "link.cdf"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.cdf"));
    EXPECT_TRUE(cdftest::ReadFileBytes(PathOf("real/channel.cdf")) == Fresh());
    EXPECT_TRUE(cdftest::ReadFileBytes(PathOf("real/not-yet.cdf")) == Fresh());
}

TEST_F(SaveCdf, FolderThatCannotHoldTheFileIsReportedAndNothingIsCreated)
{
    WriteFile(PathOf("plain-file"), "not a folder");
    fw::Channel channel;
    EXPECT_EQ(fw::SaveCdfFile(channel, PathOf("missing/new.cdf")), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(fw::SaveCdfFile(channel, PathOf("plain-file/new.cdf")), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(fw::SaveCdfFile(channel, ""), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(Names(), std::set<std::string>{"plain-file"});
}

TEST_F(SaveCdf, TargetThatIsAFolderIsRefusedAndLeftAlone)
{
    fs::create_directory(m_dir / "folder.cdf");
    WriteFile(PathOf("folder.cdf/inside"), "kept");
    fw::Channel channel;
    EXPECT_EQ(fw::SaveCdfFile(channel, PathOf("folder.cdf")), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("folder.cdf/inside")), "kept");
    EXPECT_EQ(Names(), std::set<std::string>{"folder.cdf"});
}

TEST_F(SaveCdf, ReadOnlyFolderAndReadOnlyFileAreReportedAndLeftAsTheyWere)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    const std::string target = PathOf("locked/old.cdf");
    fs::create_directory(m_dir / "locked");
    WriteFile(target, "old bytes", 0644);
    fs::permissions(m_dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    fw::Channel channel;
    EXPECT_EQ(fw::SaveCdfFile(channel, target), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(fw::SaveCdfFile(channel, PathOf("locked/new.cdf")), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(cdftest::ReadFileBytes(target), "old bytes");
    fs::permissions(m_dir / "locked", fs::perms::owner_all);

    const std::string readOnly = PathOf("read-only.cdf");
    WriteFile(readOnly, "protected", 0444);
    EXPECT_EQ(fw::SaveCdfFile(channel, readOnly), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(cdftest::ReadFileBytes(readOnly), "protected");
}

TEST_F(SaveCdf, WriteThatFailsPartWayLeavesTheEarlierFileByteForByte)
{
    const std::string target = PathOf("channel.cdf");
    const std::string earlier = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/worked_example.cdf");
    WriteFile(target, earlier, 0600);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1000}, std::size_t{100000}}) {
        SCOPED_TRACE(limit);
        fw::Channel channel;
        cdftest::AddChain(channel, 300);  // about 270 KB: the failure comes between blocks
        EXPECT_EQ(SaveFailingAfter(channel, target, limit), fw::SaveStatus::WriteFailed);
        EXPECT_TRUE(cdftest::ReadFileBytes(target) == earlier);
        EXPECT_EQ(ModeOf(target), 0600u);
        EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"}) << "a temporary file was left behind";
        EXPECT_EQ(fw::g_nItemDepth, 0);
    }
}

TEST_F(SaveCdf, WriteThatFailsPartWayCreatesNoNewFile)
{
    fw::Channel channel;
    EXPECT_EQ(SaveFailingAfter(channel, PathOf("new.cdf"), 10), fw::SaveStatus::WriteFailed);
    EXPECT_TRUE(Names().empty());
}

TEST_F(SaveCdf, FailedReplaceRemovesTheTemporaryFile)
{
    // Something puts a folder where the file was while it is being written:
    // the final rename cannot replace it.
    const std::string target = PathOf("channel.cdf");
    WriteFile(target, "old");
    fw::Channel channel;
    const fw::SaveStatus status = fw::SaveCdfFileThrough(channel, target, [&](int fd) {
        fs::remove(target);
        fs::create_directory(target);
        WriteFile(target + "/inside", "kept");
        return std::make_unique<fw::FdSink>(fd);
    });
    EXPECT_EQ(status, fw::SaveStatus::WriteFailed);
    EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});
    EXPECT_EQ(cdftest::ReadFileBytes(target + "/inside"), "kept");
}

}  // namespace
