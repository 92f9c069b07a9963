// The reader timed the way bench/pugixml_parse.cpp times pugixml: the file is
// read before the clock starts, then loaded into a fresh channel from memory,
// RUNS times; prints the median in milliseconds. With "write" it also times
// writing the loaded channel into memory, as a save does before its flush.
//
//   feedwright_parse FILE [RUNS] [write]

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "parse_timing.h"
#include "trace/TraceSink.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: feedwright_parse FILE [RUNS] [write]\n");
        return 64;
    }
    const std::string bytes = bench::ReadWholeFile(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const bool write = argc > 3 && std::strcmp(argv[3], "write") == 0;
    fw::NullTraceSink trace;
    const double median = bench::MedianMilliseconds(runs, [&] {
        fw::Channel channel;
        if (fw::ReadCdfBytes(channel, bytes, trace) != fw::ReadStatus::Ok) {
            std::fprintf(stderr, "feedwright_parse: %s does not load cleanly\n", argv[1]);
            return false;
        }
        fw::StringSink sink;
        return !write || fw::WriteCdf(channel, sink);
    });
    if (median < 0)
        return 1;
    std::printf("%.2f\n", median);
    return 0;
}
