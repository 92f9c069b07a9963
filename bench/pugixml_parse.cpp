// The yardstick for the reader's speed: pugixml's in-memory DOM parse of a
// file, timed alone (the file is read before the clock starts). Prints the
// median of RUNS parses in milliseconds. Used by bench/side_by_side.sh only;
// the program never links pugixml.
//
//   pugixml_parse FILE [RUNS]

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: pugixml_parse FILE [RUNS]\n");
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        pugi::xml_document doc;
        const auto start = std::chrono::steady_clock::now();
        const pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size());
        const auto stop = std::chrono::steady_clock::now();
        if (!result) {
            std::fprintf(stderr, "pugixml_parse: %s at byte %td\n", result.description(), result.offset);
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f\n", times[times.size() / 2]);
    return 0;
}
