// The greeting picture's Exif block: the payload of its APP1 segment
// ("Exif\0\0" and a little-endian TIFF structure).
//
// First directory: the software name, the rights notice and the pointer to
// the Exif directory. Exif directory: Exif version 0220, one private maker
// note, the pixel width and height. No further directory, no thumbnail; no
// orientation or colour profile, so nothing shown depends on it.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

inline constexpr char kExifSoftware[] = "Tarvel";       // 7 bytes with the closing zero
inline constexpr char kExifRights[] = "Qev (2014)";     // 11 bytes with the closing zero
inline constexpr char kExifMakerNote[] = "Tarvel 2015";  // stored as 11 bytes, no zero

static_assert(sizeof kExifSoftware == 7 && sizeof kExifRights == 11 && sizeof kExifMakerNote == 12);

std::vector<std::uint8_t> ExifBlock(int width, int height);

}  // namespace assets
