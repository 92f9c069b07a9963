#pragma once
// How a long load or save tells how far it has come, and learns that the
// user wants it to stop.

#include <cstdint>

namespace fw {

class CdfProgress {
public:
    virtual ~CdfProgress() = default;
    // `done` of `total` bytes so far. False asks the load or save to stop;
    // it then ends as Cancelled and changes nothing.
    virtual bool Advance(std::uint64_t done, std::uint64_t total) = 0;
};

}  // namespace fw
