// The JPEG writer: stores an RGB picture as a baseline JFIF file in memory
// through libjpeg-turbo.
//
// The file holds, in order: SOI; APP0 (JFIF 1.01, density units 0, density
// 1:1, no thumbnail); the caller's APP1 payload, if any; one DQT segment
// with both quantisation tables (kLuminanceTable, kChrominanceTable);
// SOF0 (8-bit, Y sampled 2x2 on table 0, Cb and Cr 1x1 on table 1); four
// DHT segments fitted to the picture; one interleaved scan; EOI. There is
// no restart interval and no comment.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "raster.h"

namespace assets {

// Quantisation tables in natural (row by row) order.
extern const std::array<std::uint8_t, 64> kLuminanceTable;
extern const std::array<std::uint8_t, 64> kChrominanceTable;

struct JpegError {
  std::string message;
};

// Encodes the colour of every pixel of `raster` (alpha is ignored).
// `app1` is the payload of an APP1 segment placed after APP0; empty for none.
std::variant<std::vector<std::uint8_t>, JpegError> WriteJpeg(const Raster& raster,
                                                             const std::vector<std::uint8_t>& app1);

// Rewrites the headers of a JPEG file so that consecutive DQT segments
// become one segment holding all their tables. Everything from SOS on is
// copied as it stands. Fails on a malformed header.
std::variant<std::vector<std::uint8_t>, JpegError> MergeQuantTables(const std::vector<std::uint8_t>& jpeg);

}  // namespace assets
