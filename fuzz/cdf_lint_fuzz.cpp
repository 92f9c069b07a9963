// libFuzzer target: lint takes any bytes, in any encoding, without harm and
// in time linear in their size.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lint/ChannelLint.h"
#include "lint/LintLoad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fw::cli::lint::LintLoad load(bytes);
    fw::cli::lint::LintInput& input = load.Input();
    input.readBeside = [&bytes](const std::string&) { return std::optional<std::string>(std::string(bytes)); };
    fw::cli::lint::LintChannel(input);
    return 0;
}
