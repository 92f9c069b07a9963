#pragma once
// The pixel size of a picture, read from the header of a GIF, PNG, JPEG, BMP
// or ICO file. No picture is decoded.

#include <string_view>
#include <vector>

namespace fw::cli::lint {

struct PictureSize {
    long width = 0;
    long height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Every size the file holds: one for most formats, one per picture of an
// icon file. Empty when the bytes are none of these formats or are cut short.
std::vector<PictureSize> PictureSizes(std::string_view bytes);

}  // namespace fw::cli::lint
