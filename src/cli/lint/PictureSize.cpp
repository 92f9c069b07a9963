#include "lint/PictureSize.h"

#include <cstdint>
#include <cstdlib>

namespace fw::cli::lint {

namespace {

std::uint32_t Byte(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t Le16(std::string_view b, std::size_t at)
{
    return Byte(b, at) | Byte(b, at + 1) << 8;
}
std::uint32_t Be16(std::string_view b, std::size_t at)
{
    return Byte(b, at) << 8 | Byte(b, at + 1);
}
std::uint32_t Le32(std::string_view b, std::size_t at)
{
    return Le16(b, at) | Le16(b, at + 2) << 16;
}
std::uint32_t Be32(std::string_view b, std::size_t at)
{
    return Be16(b, at) << 16 | Be16(b, at + 2);
}

std::vector<PictureSize> One(long width, long height)
{
    return {PictureSize{width, height}};
}

// Walks the JPEG segments to the first start-of-frame marker.
std::vector<PictureSize> JpegSize(std::string_view b)
{
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (Byte(b, at) != 0xFF)
            return {};
        const std::uint32_t marker = Byte(b, at + 1);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {  // markers without a length
            at += 2;
            continue;
        }
        const std::uint32_t length = Be16(b, at + 2);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (at + 9 > b.size())
                return {};
            return One(Be16(b, at + 7), Be16(b, at + 5));
        }
        if (length < 2)
            return {};
        at += 2 + length;
    }
    return {};
}

std::vector<PictureSize> IcoSizes(std::string_view b)
{
    const std::size_t count = Le16(b, 4);
    std::vector<PictureSize> sizes;
    for (std::size_t i = 0; i < count && 6 + 16 * (i + 1) <= b.size(); ++i) {
        const std::size_t entry = 6 + 16 * i;
        // A width or height of 0 stands for 256.
        const long width = Byte(b, entry) == 0 ? 256 : Byte(b, entry);
        const long height = Byte(b, entry + 1) == 0 ? 256 : Byte(b, entry + 1);
        sizes.push_back({width, height});
    }
    return sizes;
}

}  // namespace

std::vector<PictureSize> PictureSizes(std::string_view b)
{
    if (b.size() >= 10 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a"))
        return One(Le16(b, 6), Le16(b, 8));
    if (b.size() >= 24 && b.substr(0, 8) == "\x89PNG\r\n\x1A\n" && b.substr(12, 4) == "IHDR")
        return One(Be32(b, 16), Be32(b, 20));
    if (b.size() >= 4 && Byte(b, 0) == 0xFF && Byte(b, 1) == 0xD8)
        return JpegSize(b);
    if (b.size() >= 26 && b.substr(0, 2) == "BM") {
        if (Le32(b, 14) == 12)  // the old OS/2 header
            return One(Le16(b, 18), Le16(b, 20));
        // The height is negative for pictures stored top row first.
        const auto height = static_cast<std::int32_t>(Le32(b, 22));
        return One(static_cast<std::int32_t>(Le32(b, 18)), std::labs(static_cast<long>(height)));
    }
    if (b.size() >= 22 && b.substr(0, 4) == std::string_view("\0\0\1\0", 4))
        return IcoSizes(b);
    return {};
}

}  // namespace fw::cli::lint
