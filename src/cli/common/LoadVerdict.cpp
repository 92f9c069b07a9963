#include "common/LoadVerdict.h"

#include <array>

namespace fw::cli {

namespace {

struct Verdict {
    ReadStatus status;
    std::string_view check;
    std::string_view json;
};

// Nothing in feedwright-cdf cancels a load, so Cancelled is never said; it
// reads as a file that could not be read, like every status not listed.
constexpr std::array<Verdict, 4> kVerdicts = {{
    {ReadStatus::Ok, "ok", "ok"},
    {ReadStatus::ElementError, "element error", "element error"},
    {ReadStatus::Phase0, "no XML declaration (phase 0)", "phase 0"},
    {ReadStatus::Phase1, "incomplete XML declaration (phase 1)", "phase 1"},
}};
constexpr std::string_view kCannotOpen = "cannot open";

const Verdict* Find(ReadStatus status)
{
    for (const Verdict& verdict : kVerdicts) {
        if (verdict.status == status)
            return &verdict;
    }
    return nullptr;
}

}  // namespace

std::string_view CheckVerdict(ReadStatus status)
{
    const Verdict* verdict = Find(status);
    return verdict != nullptr ? verdict->check : kCannotOpen;
}

std::string_view StatusName(ReadStatus status)
{
    const Verdict* verdict = Find(status);
    return verdict != nullptr ? verdict->json : kCannotOpen;
}

}  // namespace fw::cli
