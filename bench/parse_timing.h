#pragma once
// What bench/pugixml_parse.cpp and bench/feedwright_parse.cpp share, so that
// both parsers are timed exactly alike: the file read before any clock
// starts, then the median of RUNS timed runs in milliseconds.

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bench {

inline std::string ReadWholeFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The median time of `runs` calls of `run`, which returns false on failure;
// a negative number when a call failed.
template <typename Run> double MedianMilliseconds(int runs, Run run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!run())
            return -1;
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace bench
