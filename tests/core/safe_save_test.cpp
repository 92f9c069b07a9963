// Saving to disk: the target is replaced only by a complete file, and a
// failure of any kind leaves the earlier file byte for byte and no debris.

#include <gtest/gtest.h>

#include <sys/stat.h>  // umask
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cdf/SafeSave.h"
#include "core/core_test_support.h"

namespace {

namespace fs = std::filesystem;

class SafeSave : public ::testing::Test {
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
        fs::permissions(m_dir / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(m_dir, ignored);
    }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    void WriteFile(const std::string& name, const std::string& bytes, mode_t mode = 0644) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        chmod(PathOf(name).c_str(), mode);
    }

    unsigned ModeOf(const std::string& name) const
    {
        return static_cast<unsigned>(fs::status(PathOf(name)).permissions());
    }

    // The names in the folder: shows any temporary file left behind.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename().string());
        return names;
    }

    fs::path m_dir;
    fw::Channel m_channel;
    const std::string m_fresh = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf");
};

// A new file gets the usual permissions, a replaced one keeps its own, and a
// symbolic link stays a link to the file it names.
TEST_F(SafeSave, SavedFileReplacesTheOldContentOnly)
{
    WriteFile("old.cdf", "an older and much longer channel file " + std::string(1000, 'x'), 0640);
    fs::create_directory(m_dir / "real");
    WriteFile("real/channel.cdf", "old");
    fs::create_symlink("real/channel.cdf", m_dir / "link.cdf");
    fs::create_symlink("real/not-yet.cdf", m_dir / "dangling.cdf");
    for (const char* name : {"new.cdf", "old.cdf", "link.cdf", "dangling.cdf"})
        ASSERT_EQ(fw::SaveCdfFile(m_channel, PathOf(name)), fw::SaveStatus::Ok) << name;

    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(ModeOf("new.cdf"), 0666 & ~mask);
    EXPECT_EQ(ModeOf("old.cdf"), 0640u);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.cdf") && fs::is_symlink(m_dir / "dangling.cdf"));
    for (const char* name : {"new.cdf", "old.cdf", "real/channel.cdf", "real/not-yet.cdf"})
        EXPECT_EQ(cdftest::ReadFileBytes(PathOf(name)), m_fresh) << name;
    EXPECT_EQ(Names(), (std::set<std::string>{"new.cdf", "old.cdf", "real", "link.cdf", "dangling.cdf"}));
}

TEST_F(SafeSave, PlaceThatCannotHoldTheFileIsReportedAndLeftAlone)
{
    WriteFile("plain-file", "not a folder");
    fs::create_directory(m_dir / "folder.cdf");
    for (const char* name : {"missing/new.cdf", "plain-file/new.cdf", "folder.cdf"})
        EXPECT_EQ(fw::SaveCdfFile(m_channel, PathOf(name)), fw::SaveStatus::CannotCreate) << name;
    EXPECT_EQ(fw::SaveCdfFile(m_channel, ""), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(Names(), (std::set<std::string>{"plain-file", "folder.cdf"}));
    EXPECT_TRUE(fs::is_empty(m_dir / "folder.cdf"));

    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    fs::create_directory(m_dir / "locked");
    WriteFile("locked/old.cdf", "old bytes");
    WriteFile("read-only.cdf", "protected", 0444);
    fs::permissions(m_dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    for (const char* name : {"locked/old.cdf", "locked/new.cdf", "read-only.cdf"})
        EXPECT_EQ(fw::SaveCdfFile(m_channel, PathOf(name)), fw::SaveStatus::CannotCreate) << name;
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("locked/old.cdf")), "old bytes");
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("read-only.cdf")), "protected");
}

// A disk that fills up after `limit` bytes of the temporary file.
fw::SaveStatus SaveFailingAfter(fw::Channel& channel, const std::string& path, std::size_t limit)
{
    struct DiskFillingUp final : fw::ByteSink {
        DiskFillingUp(int fd, std::size_t limit) : disk(fd), gate(limit, &disk) {}
        bool Write(std::string_view bytes) override { return gate.Write(bytes); }
        fw::FdSink disk;
        cdftest::FailAfterSink gate;
    };
    return fw::SaveCdfFileThrough(
        channel, path, [limit](int fd) { return std::make_unique<DiskFillingUp>(fd, limit); });
}

TEST_F(SafeSave, WriteThatFailsPartWayLeavesTheEarlierFileAndNoTemporaryFile)
{
    const std::string earlier = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/worked_example.cdf");
    WriteFile("channel.cdf", earlier, 0600);
    cdftest::AddChain(m_channel, 300);  // about 270 KB: the failure comes between blocks
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1000}, std::size_t{100000}}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(SaveFailingAfter(m_channel, PathOf("channel.cdf"), limit), fw::SaveStatus::WriteFailed);
        EXPECT_TRUE(cdftest::ReadFileBytes(PathOf("channel.cdf")) == earlier);
        EXPECT_EQ(ModeOf("channel.cdf"), 0600u);
        EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});
        EXPECT_EQ(fw::g_nItemDepth, 0);
    }
    EXPECT_EQ(SaveFailingAfter(m_channel, PathOf("new.cdf"), 10), fw::SaveStatus::WriteFailed);
    EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});
}

}  // namespace
