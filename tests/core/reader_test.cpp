// The reader: what each element of a .cdf file
// does to the channel and how its encoding is found, names in any case
// included (cases in tests/data/reader/elements.txt), files that cannot be
// read, progress and cancelling, and the running trace.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>

#include "cdf/CdfProgress.h"
#include "common/CaseFile.h"
#include "core/core_test_support.h"
#include "text/Cp932.h"
#include "text/FileEncoding.h"

namespace {

using fw::ReadStatus;

TEST(Reader, EachElementChangesItsOwnPartOfTheChannel)
{
    const std::array<const char*, 6> statuses = {"Ok", "CannotOpen", "ElementError", "Phase0", "Phase1", "Cancelled"};
    std::map<std::string, std::string> fields;
    int cases = 0;
    const auto check = [&] {
        if (fields.empty())
            return;
        SCOPED_TRACE(fields["=="]);
        ++cases;
        const std::string file = fields.contains("file")
            ? cdftest::ReadFileBytes(FEEDWRIGHT_TEST_DATA_DIR "/" + fields["file"])
            : fields["bytes"];
        const cdftest::Loaded loaded = cdftest::Load(file);
        EXPECT_EQ(statuses.at(static_cast<std::size_t>(loaded.status)), fields["status"]);
        EXPECT_EQ(fw::Cp932ToUtf8(cdftest::Describe(*loaded.channel)), fields["expect"]);
        // Where the load stopped, in the text it read: the rest from there, or its end.
        const fw::FileText text = fw::DecodeFileText(file);
        if (fields.contains("stopped"))
            EXPECT_EQ(text.bytes.substr(std::min(loaded.stoppedAt, text.bytes.size()), fields["stopped"].size()),
                      fields["stopped"]);
        else
            EXPECT_EQ(loaded.stoppedAt, text.bytes.size());
        if (fields.contains("from")) {
            EXPECT_EQ(fw::DecodeFileText(file).convertedFrom, fields["from"]);
        }
        fields.clear();
    };
    for (const auto& row : casefile::Rows("reader/elements.txt", "")) {
        const std::string& line = row[0];
        const std::string key = line.substr(0, line.find(' '));
        if (key == "==")
            check();
        if (key == "==" || key == "status" || key == "expect" || key == "file" || key == "from" || key == "stopped")
            fields[key] = line.substr(std::min(line.size(), key.size() + 1));
        else
            fields["bytes"] += line;
    }
    check();
    EXPECT_GE(cases, 50);
}

// A mistyped name, a folder or a file whose bytes cannot be read (reading
// /proc/self/mem from its start fails with an I/O error) must not look like a
// load that emptied or shortened the editor's channel; a FIFO without a
// writer and an endless device are refused at once, unread.
TEST(Reader, WhatCannotBeOpenedOrReadLeavesTheChannelAsItWas)
{
    fw::Channel channel;
    cdftest::BuildWorkedExample(channel);
    channel.sitemap.Select(channel.sitemap.Root()->FirstChild());
    const std::string before = cdftest::Describe(channel);
    fw::NullTraceSink trace;
    const std::string fifo = ::testing::TempDir() + "/reader-fifo.cdf";
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {::testing::TempDir() + "/no-such-file.cdf", ::testing::TempDir(),
                                    std::string("/proc/self/mem"), fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(fw::ReadCdfFile(channel, path, trace), ReadStatus::CannotOpen) << path;
        EXPECT_EQ(cdftest::Describe(channel), before) << path;
        EXPECT_EQ(channel.sitemap.Selected(), channel.sitemap.Root()->FirstChild());
    }
    unlink(fifo.c_str());
}

// Says stop at its `stopAt`th report, and remembers the last one.
struct StopAt final : fw::CdfProgress {
    explicit StopAt(int call) : stopAt(call) {}
    bool Advance(std::uint64_t, std::uint64_t t) override
    {
        total = t;
        return ++calls != stopAt;
    }
    int stopAt, calls = 0;
    std::uint64_t total = 0;
};

// A file load that runs to its end leaves what reading in place leaves, the
// selection included; one cancelled half-way leaves the channel untouched.
TEST(Reader, FileLoadHearsProgressAndACancelChangesNothing)
{
    fw::Channel source;
    cdftest::BuildWorkedExample(source);
    cdftest::AddChain(source, 200);  // about 100 KB: a report at the start and one every 64 KiB
    const std::string bytes = cdftest::Written(source);
    const std::string path = ::testing::TempDir() + "/reader-progress.cdf";
    std::ofstream(path, std::ios::binary) << bytes;

    fw::NullTraceSink trace;
    fw::Channel channel, inPlace;
    for (fw::Channel* c : {&channel, &inPlace}) {
        c->sitemap.Root()->Node().m_strTitle = "root title the site map dialog left";
        c->sitemap.Select(c->sitemap.Root());
    }
    const std::string before = cdftest::Describe(channel);
    StopAt cancel(2);
    EXPECT_EQ(fw::ReadCdfFile(channel, path, trace, &cancel), ReadStatus::Cancelled);
    EXPECT_EQ(cdftest::Describe(channel), before);
    EXPECT_EQ(channel.sitemap.Root()->FirstChild(), nullptr);

    ASSERT_EQ(fw::ReadCdfBytes(inPlace, bytes, trace), ReadStatus::Ok);
    StopAt never(0);
    ASSERT_EQ(fw::ReadCdfFile(channel, path, trace, &never), ReadStatus::Ok);
    EXPECT_GE(never.calls, 2);
    EXPECT_EQ(never.total, bytes.size());
    EXPECT_TRUE(cdftest::SameChannel(channel, inPlace));
    EXPECT_EQ(channel.sitemap.Selected()->Label(), inPlace.sitemap.Selected()->Label());
    EXPECT_EQ(channel.sitemap.Selected()->FirstChild(), nullptr);
    unlink(path.c_str());
}

TEST(Reader, TracesEveryTagAndWhatEachElementRead)
{
    const std::string file =
        "<?XML VERSION=\"1.0\"?>\n<CHANNEL HREF=\"h\" LEVEL=\"2\" X=\"y\">\n<TITLE>T</TITLE>\n"
        "<SCHEDULE STARTDATE=\"2004-7-15\" OTHER=\"o\"><INTERVALTIME HOUR=\"12\" MIN=\"30\"/></SCHEDULE>\n"
        "<ITEM HREF=\"p\"><TITLE>P</TITLE><USAGE VALUE=\"Email\"></USAGE><LOGO HREF=\"i\" STYLE=\"ICON\"/></ITEM>\n"
        "<items>\n</CHANNEL>\n";
    fw::CapturingTraceSink trace;
    fw::Channel channel(&trace);
    ASSERT_EQ(fw::ReadCdfBytes(channel, file, trace), ReadStatus::Ok);
    EXPECT_EQ(trace.Text(),
              "[?XML]\n[CHANNEL]\nCHANNEL:\nHREF:h\nLEVEL:2\ny\n[TITLE]\nTITLE:T\n"
              "[SCHEDULE]\nSCHEDULE:\nSTARTDATE:\n\n[INTERVALTIME]\nINTERVALTIME:\nHOUR:MIN:\n[/SCHEDULE]\n"
              "[ITEM]\nBLAST\nITEM:\nHREF:p\n[TITLE]\nTITLE:item-P\n[USAGE]\nUSAGE:value=2\n[/USAGE]\n"
              "[LOGO]\nLOGO:\nHREF:STYLE:\n[/ITEM]\n[items]\n[/CHANNEL]\n");
}

}  // namespace
