#include "trace/TraceSink.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fw {

void StderrTraceSink::Write(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::unique_ptr<TraceSink> MakeTraceSinkFromEnvironment()
{
    const char* value = std::getenv("FEEDWRIGHT_TRACE");
    if (value != nullptr && std::strcmp(value, "1") == 0)
        return std::make_unique<StderrTraceSink>();
    return std::make_unique<NullTraceSink>();
}

}  // namespace fw
