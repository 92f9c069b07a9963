// The reader timed the way bench/pugixml_parse.cpp times pugixml: the file is
// read before the clock starts, then loaded into a fresh channel from memory,
// RUNS times; prints the median in milliseconds. With "write" it also times
// writing the loaded channel into memory, as a save does before its flush.
//
//   feedwright_parse FILE [RUNS] [write]

#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "trace/TraceSink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: feedwright_parse FILE [RUNS] [write]\n");
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const bool write = argc > 3 && std::strcmp(argv[3], "write") == 0;
    fw::NullTraceSink trace;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        fw::Channel channel;
        const auto start = std::chrono::steady_clock::now();
        if (fw::ReadCdfBytes(channel, bytes, trace) != fw::ReadStatus::Ok) {
            std::fprintf(stderr, "feedwright_parse: %s does not load cleanly\n", argv[1]);
            return 1;
        }
        if (write) {
            fw::StringSink sink;
            if (!fw::WriteCdf(channel, sink)) {
                std::fprintf(stderr, "feedwright_parse: writing failed\n");
                return 1;
            }
        }
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f\n", times[times.size() / 2]);
    return 0;
}
