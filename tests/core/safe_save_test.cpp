// Saving to disk: the target is replaced only by a complete file, and a
// failure of any kind leaves the earlier file byte for byte and no debris.
// Every case runs both ways a file is saved: a channel written as it goes,
// and bytes made in memory first and handed over at once (an export).

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>  // umask
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "cdf/CdfProgress.h"
#include "cdf/SafeSave.h"
#include "core/core_test_support.h"

namespace {

namespace fs = std::filesystem;

// A channel rendered in memory first and then written in one piece, as an
// export's document is.
class RenderedChannel final : public fw::FileContent {
public:
    explicit RenderedChannel(fw::Channel& channel) : m_channel(channel) {}
    std::uint64_t Size() override
    {
        fw::NormalizeForWrite(m_channel);
        return fw::CdfFileSize(m_channel);
    }
    bool Write(fw::ByteSink& sink) override
    {
        fw::StringSink rendered;
        return fw::WriteNormalizedCdf(m_channel, rendered) && fw::BytesContent(rendered.Bytes()).Write(sink);
    }

private:
    fw::Channel& m_channel;
};

enum class Road { Channel, Bytes };

class SafeSave : public ::testing::TestWithParam<Road> {
protected:
    static fw::SaveStatus SaveThrough(fw::Channel& channel, const std::string& path, const fw::FdSinkFactory& makeSink,
                                      fw::CdfProgress* progress = nullptr)
    {
        if (GetParam() == Road::Channel)
            return fw::SaveCdfFileThrough(channel, path, makeSink, progress);
        RenderedChannel content(channel);
        return fw::SaveFileThrough(path, content, makeSink, progress);
    }
    static fw::SaveStatus Save(fw::Channel& channel, const std::string& path, fw::CdfProgress* progress = nullptr)
    {
        return SaveThrough(
            channel, path, [](int fd) { return std::make_unique<fw::FdSink>(fd); }, progress);
    }

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "feedwright-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        umount2((m_dir / "small").c_str(), MNT_DETACH);
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

    // Runs `body` in a child process and tells how it ended: its exit
    // status, or 1000 + the signal that ended it.
    template <typename Body> static int InChild(Body body)
    {
        const pid_t child = fork();
        if (child == 0) {
            body();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? 1000 + WTERMSIG(status) : WEXITSTATUS(status);
    }

    fs::path m_dir;
    fw::Channel m_channel;
    const std::function<fw::SaveStatus(fw::Channel&, const std::string&, const fw::FdSinkFactory&)> m_saveThrough =
        [](fw::Channel& channel, const std::string& path, const fw::FdSinkFactory& makeSink) {
            return SaveThrough(channel, path, makeSink);
        };
    const std::string m_fresh = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf");
};

// A new file gets the permissions the umask leaves, a replaced one keeps its
// own (the sticky bit too), a symbolic link stays a link to the file it
// names, and the temporary file is hidden beside the target while written.
TEST_P(SafeSave, SavedFileReplacesTheOldContentOnly)
{
    WriteFile("old.cdf", "an older and much longer channel file " + std::string(1000, 'x'), 01640);
    fs::create_directory(m_dir / "real");
    WriteFile("real/channel.cdf", "old");
    fs::create_symlink("real/channel.cdf", m_dir / "link.cdf");
    fs::create_symlink("real/not-yet.cdf", m_dir / "dangling.cdf");
    const mode_t mask = umask(012);  // two octal digits, group write allowed
    for (const char* name : {"new.cdf", "old.cdf", "link.cdf", "dangling.cdf"})
        ASSERT_EQ(Save(m_channel, PathOf(name)), fw::SaveStatus::Ok) << name;
    umask(mask);
    std::set<std::string> whileWritten;
    ASSERT_EQ(SaveThrough(m_channel, PathOf("new.cdf"),
                          [&](int fd) {
                              whileWritten = Names();
                              return std::make_unique<fw::FdSink>(fd);
                          }),
              fw::SaveStatus::Ok);

    EXPECT_EQ(whileWritten.size(), 6u);
    const auto temporary = whileWritten.upper_bound(".new.cdf.");
    EXPECT_TRUE(temporary != whileWritten.end() && temporary->starts_with(".new.cdf."));
    EXPECT_EQ(ModeOf("new.cdf"), 0664u);  // 0666 less the umask
    EXPECT_EQ(ModeOf("old.cdf"), 01640u);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.cdf") && fs::is_symlink(m_dir / "dangling.cdf"));
    for (const char* name : {"new.cdf", "old.cdf", "real/channel.cdf", "real/not-yet.cdf"})
        EXPECT_EQ(cdftest::ReadFileBytes(PathOf(name)), m_fresh) << name;
    EXPECT_EQ(Names(), (std::set<std::string>{"new.cdf", "old.cdf", "real", "link.cdf", "dangling.cdf"}));
}

TEST_P(SafeSave, PlaceThatCannotHoldTheFileIsReportedAndLeftAlone)
{
    WriteFile("plain-file", "not a folder");
    fs::create_directory(m_dir / "folder.cdf");
    for (const char* name : {"missing/new.cdf", "plain-file/new.cdf", "folder.cdf"})
        EXPECT_EQ(Save(m_channel, PathOf(name)), fw::SaveStatus::CannotCreate) << name;
    EXPECT_EQ(Save(m_channel, ""), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(Names(), (std::set<std::string>{"plain-file", "folder.cdf"}));
    EXPECT_TRUE(fs::is_empty(m_dir / "folder.cdf"));

    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    fs::create_directory(m_dir / "locked");
    WriteFile("locked/old.cdf", "old bytes");
    WriteFile("read-only.cdf", "protected", 0444);
    fs::permissions(m_dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    for (const char* name : {"locked/old.cdf", "locked/new.cdf", "read-only.cdf"})
        EXPECT_EQ(Save(m_channel, PathOf(name)), fw::SaveStatus::CannotCreate) << name;
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("locked/old.cdf")), "old bytes");
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("read-only.cdf")), "protected");
}

// A link that someone else left in a sticky, world-writable folder such as
// /tmp is not followed, as the kernel's protected-symlinks rule would not
// follow it, whether it names the file or a folder on the way to it; one
// that the folder's owner made is.
TEST_P(SafeSave, LinkPlantedInAStickyFolderByAnotherUserIsNotFollowed)
{
    const fs::path shared = m_dir / "shared";
    const fs::path link = shared / "report.cdf";
    const fs::path folderLink = shared / "reports";
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    WriteFile("notes.txt", "the victim's notes");
    fs::create_symlink(m_dir / "notes.txt", link);
    fs::create_symlink(m_dir, folderLink);
    if (geteuid() != 0 || lchown(link.c_str(), 65534, 65534) != 0 || lchown(folderLink.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "needs root to give the link to another user";
    EXPECT_EQ(Save(m_channel, link.string()), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(Save(m_channel, (folderLink / "notes.txt").string()), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(Save(m_channel, (shared / "../shared/reports/x/../notes.txt").string()), fw::SaveStatus::CannotCreate);
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("notes.txt")), "the victim's notes");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Names(), (std::set<std::string>{"notes.txt", "shared"}));

    ASSERT_EQ(chown(shared.c_str(), 65534, 65534), 0);
    EXPECT_EQ(Save(m_channel, link.string()), fw::SaveStatus::Ok);
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("notes.txt")), m_fresh);
}

// Another user's file in the group of the one saving: the owner cannot be
// kept, the group can.
TEST_P(SafeSave, MemberOfTheFilesGroupKeepsItsGroup)
{
    constexpr gid_t kGroup = 4242;
    WriteFile("shared.cdf", "old", 0664);
    if (geteuid() != 0 || chown(PathOf("shared.cdf").c_str(), 65533, kGroup) != 0)
        GTEST_SKIP() << "needs root to act as another user";
    chmod(m_dir.c_str(), 0777);
    const int ended = InChild([&] {
        const gid_t groups[] = {kGroup};
        if (setgroups(1, groups) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(Save(m_channel, PathOf("shared.cdf")) == fw::SaveStatus::Ok ? 0 : 1);
    });
    ASSERT_EQ(ended, 0);
    struct stat saved {};
    ASSERT_EQ(stat(PathOf("shared.cdf").c_str(), &saved), 0);
    EXPECT_EQ(saved.st_uid, 65534u);
    EXPECT_EQ(saved.st_gid, kGroup);
    EXPECT_EQ(saved.st_mode & 07777, 0664u);
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("shared.cdf")), m_fresh);
}

// The size is counted before anything is created: a site map a million
// levels deep (terabytes of indentation) is refused at once, and so is a
// small file on a file system smaller still.
TEST_P(SafeSave, SaveThatCannotFitIsRefusedBeforeAnythingIsWritten)
{
    WriteFile("channel.cdf", "earlier");
    {
        fw::Channel deep;
        cdftest::AddChain(deep, 1000000);
        EXPECT_GT(fw::CdfFileSize(deep), std::uint64_t{1} << 40);
        EXPECT_EQ(Save(deep, PathOf("channel.cdf")), fw::SaveStatus::NoSpace);
    }
    EXPECT_EQ(cdftest::ReadFileBytes(PathOf("channel.cdf")), "earlier");
    EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});

    fs::create_directory(m_dir / "small");
    if (mount("tmpfs", PathOf("small").c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    cdftest::AddChain(m_channel, 300);  // about 270 KB
    EXPECT_EQ(Save(m_channel, PathOf("small/channel.cdf")), fw::SaveStatus::NoSpace);
    EXPECT_TRUE(fs::is_empty(m_dir / "small"));
}

// A disk that fills up after `limit` bytes of the temporary file: the write
// that crosses the limit keeps its first bytes and fails, and so does every
// write after it.
fw::SaveStatus SaveFailingAfter(
    const std::function<fw::SaveStatus(fw::Channel&, const std::string&, const fw::FdSinkFactory&)>& saveThrough,
    fw::Channel& channel, const std::string& path, std::size_t limit)
{
    struct DiskFillingUp final : fw::ByteSink {
        DiskFillingUp(int fd, std::size_t limit) : disk(fd), room(limit) {}
        bool Write(std::string_view bytes) override
        {
            const std::string_view taken = bytes.substr(0, room);
            room -= taken.size();
            return (taken.empty() || disk.Write(taken)) && taken.size() == bytes.size();
        }
        fw::FdSink disk;
        std::size_t room;
    };
    return saveThrough(channel, path, [limit](int fd) { return std::make_unique<DiskFillingUp>(fd, limit); });
}

// A write that fails part way, a save the user cancels, content longer than
// it said, or a save ended by any signal that ends a program by default
// (which still ends by that signal), leaves the earlier file and no
// temporary file.
TEST_P(SafeSave, SaveThatEndsPartWayLeavesTheEarlierFileAndNoTemporaryFile)
{
    const std::string earlier = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/worked_example.cdf");
    WriteFile("channel.cdf", earlier, 0600);
    static int s_signal = 0;
    struct Signalling final : fw::ByteSink {
        bool Write(std::string_view) override { return raise(s_signal) == 0; }
    };
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, SIGUSR2, SIGALRM}) {
        s_signal = signal;
        EXPECT_EQ(InChild([&] {
                      const struct rlimit noCore {
                      };
                      setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT would leave a core file
                      (void)SaveThrough(m_channel, PathOf("channel.cdf"),
                                        [](int) { return std::make_unique<Signalling>(); });
                  }),
                  1000 + signal);
    }
    struct Longer final : fw::FileContent {
        std::uint64_t Size() override { return 3; }
        bool Write(fw::ByteSink& sink) override { return sink.Write("four"); }
    } longer;
    EXPECT_EQ(fw::SaveFile(PathOf("channel.cdf"), longer), fw::SaveStatus::WriteFailed);
    cdftest::AddChain(m_channel, 300);  // about 270 KB: the failure comes between blocks, or at the last byte
    const std::size_t size = fw::CdfFileSize(m_channel);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1000}, std::size_t{100000}, size - 1}) {
        SCOPED_TRACE(limit);  // what follows checks the signalled save too
        EXPECT_EQ(SaveFailingAfter(m_saveThrough, m_channel, PathOf("channel.cdf"), limit),
                  fw::SaveStatus::WriteFailed);
        EXPECT_TRUE(cdftest::ReadFileBytes(PathOf("channel.cdf")) == earlier);
        EXPECT_EQ(ModeOf("channel.cdf"), 0600u);
        EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});
        EXPECT_EQ(fw::g_nItemDepth, 0);
    }
    struct Stopping final : fw::CdfProgress {
        bool Advance(std::uint64_t, std::uint64_t) override { return false; }
    } stop;
    EXPECT_EQ(Save(m_channel, PathOf("channel.cdf"), &stop), fw::SaveStatus::Cancelled);
    EXPECT_TRUE(cdftest::ReadFileBytes(PathOf("channel.cdf")) == earlier);
    EXPECT_EQ(SaveFailingAfter(m_saveThrough, m_channel, PathOf("new.cdf"), 10), fw::SaveStatus::WriteFailed);
    EXPECT_EQ(Names(), std::set<std::string>{"channel.cdf"});
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "the handler outlived the saves";
}

INSTANTIATE_TEST_SUITE_P(Roads, SafeSave, ::testing::Values(Road::Channel, Road::Bytes),
                         [](const ::testing::TestParamInfo<Road>& road) {
                             return road.param == Road::Channel ? "Channel" : "Bytes";
                         });

}  // namespace
