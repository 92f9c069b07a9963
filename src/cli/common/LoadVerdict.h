#pragma once
// What feedwright-cdf says of a load, in one table: the words `check` prints
// (and the other commands complain with) and the `status` of show's JSON.

#include <string_view>

#include "cdf/CdfReader.h"

namespace fw::cli {

// "ok", "element error", "no XML declaration (phase 0)", ... "cannot open".
std::string_view CheckVerdict(ReadStatus status);
// "ok", "element error", "phase 0", "phase 1", "cannot open".
std::string_view StatusName(ReadStatus status);

}  // namespace fw::cli
