// The reader's running trace, and that it builds none when nobody listens.

#include <gtest/gtest.h>

#include "reader_support.h"

namespace fw {
namespace {

TEST(ReaderTraceTest, TracesEveryTagAndWhatEachElementRead)
{
    const std::string file =
        "<?XML VERSION=\"1.0\"?>\n"
        "<CHANNEL HREF=\"h\" LEVEL=\"2\" X=\"y\">\n"
        "<TITLE>T</TITLE>\n"
        "<SCHEDULE STARTDATE=\"2004-7-15\" OTHER=\"o\"><INTERVALTIME HOUR=\"12\" MIN=\"30\"/></SCHEDULE>\n"
        "<ITEM HREF=\"p\"><TITLE>P</TITLE><USAGE VALUE=\"Email\"></USAGE>"
        "<LOGO HREF=\"i\" STYLE=\"ICON\"/></ITEM>\n"
        "<item>\n"
        "</CHANNEL>\n";
    Channel channel;
    CapturingTraceSink trace;
    ASSERT_EQ(ReadCdfBytes(channel, file, trace), ReadStatus::Ok);
    EXPECT_EQ(trace.Text(),
              "[?XML]\n"
              "[CHANNEL]\nCHANNEL:\nHREF:h\nLEVEL:2\ny\n"
              "[TITLE]\nTITLE:T\n"
              "[SCHEDULE]\nSCHEDULE:\nSTARTDATE:\n\n"
              "[INTERVALTIME]\nINTERVALTIME:\nHOUR:MIN:\n"
              "[/SCHEDULE]\n"
              "[ITEM]\nITEM:\nHREF:p\n"
              "[TITLE]\nTITLE:item-P\n"
              "[USAGE]\nUSAGE:value=2\n"
              "[/USAGE]\n"
              "[LOGO]\nLOGO:\nHREF:STYLE:\n"
              "[/ITEM]\n"
              "[item]\n"
              "[/CHANNEL]\n");
}

TEST(ReaderTraceTest, ElementErrorIsTracedLast)
{
    Channel channel;
    CapturingTraceSink trace;
    ASSERT_EQ(ReadCdfBytes(channel, "<CHANNEL><ABSTRACT>a<b></ABSTRACT>", trace), ReadStatus::ElementError);
    EXPECT_EQ(trace.Text(), "[CHANNEL]\nCHANNEL:\n[ABSTRACT]\nABSTRACT:Element reading error.\n");
}

// The site map traces each item the reader adds through the channel's own sink.
TEST(ReaderTraceTest, TreeInsertionsShareTheChannelsSink)
{
    CapturingTraceSink trace;
    Channel channel(&trace);
    ASSERT_EQ(ReadCdfBytes(channel, "<?XML ?><CHANNEL><CHANNEL></CHANNEL><ITEM></ITEM>", trace), ReadStatus::Ok);
    EXPECT_EQ(trace.Text(),
              "[?XML]\n[CHANNEL]\nCHANNEL:\n[CHANNEL]\nCHANNEL:\nBLAST\n[/CHANNEL]\n[ITEM]\nBLAST\nITEM:\n[/ITEM]\n");
}

}  // namespace
}  // namespace fw
