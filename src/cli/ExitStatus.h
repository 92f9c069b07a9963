#pragma once
// The exit statuses of feedwright-cdf. Scripts depend on these numbers.

namespace fw::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitUnexpected = 1,   // an internal failure (out of memory and the like)
    kExitLintWarned = 1,   // lint found something to warn about
    kExitLoadError = 2,    // a file loaded with the element error or without a complete declaration
    kExitCannotOpen = 3,   // a file could not be opened
    kExitCannotWrite = 4,  // OUT (or standard output) could not be written
    kExitUsage = 64,       // wrong usage
};

// When several outcomes apply, the more severe one is reported: 4 over 3 over 2 over 1 over 0.
inline ExitStatus MoreSevere(ExitStatus a, ExitStatus b)
{
    return a > b ? a : b;
}

}  // namespace fw::cli
