#pragma once
#include <filesystem>

namespace orv {

// True for a well-formed Windows bitmap file: the header, the pixel format and
// the size of the pixel data agree. Whether a tree node gets its own image
// depends on this; the windows draw the image themselves.
bool IsReadableBitmap(const std::filesystem::path& path);

}  // namespace orv
