// Icon files written from the program's own pictures: the .ico that Windows shows for the
// program, and PNG for its largest image (and for looking at a picture).
#pragma once

#include <cstdint>
#include <vector>

#include "pictures.h"

namespace velkaro {

// The sizes of the program's icon, each drawn for its size.
inline constexpr int kAppIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

// A PNG of the picture: 8-bit RGBA, compressed with deflate's fixed code, or stored as it
// is (the plain form, which a test holds the compressed one against). The same bytes for
// the same picture.
std::vector<std::uint8_t> PngFile(const ArgbPicture& picture, bool compress = true);
// An .ico of the pictures in the order given: 32-bit images with alpha and their mask, and
// PNG for those of 256 pixels, as Windows expects.
std::vector<std::uint8_t> IconFile(const std::vector<ArgbPicture>& pictures);

}  // namespace velkaro
