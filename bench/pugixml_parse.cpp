// The yardstick for the reader's speed: pugixml's in-memory DOM parse of a
// file, timed alone (the file is read before the clock starts). Prints the
// median of RUNS parses in milliseconds. Used by bench/side_by_side.sh only;
// the program never links pugixml.
//
//   pugixml_parse FILE [RUNS]

#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>

#include "parse_timing.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: pugixml_parse FILE [RUNS]\n");
        return 64;
    }
    const std::string bytes = bench::ReadWholeFile(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const double median = bench::MedianMilliseconds(runs, [&] {
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size());
        if (!result)
            std::fprintf(stderr, "pugixml_parse: %s at byte %td\n", result.description(), result.offset);
        return bool(result);
    });
    if (median < 0)
        return 1;
    std::printf("%.2f\n", median);
    return 0;
}
