// The fixed bytes and places of the window description stream, for its
// reader and its writer alike.
#pragma once

#include <cstddef>
#include <cstdint>

namespace runtime::format {

inline constexpr std::uint8_t kSignature[2] = {0xFF, 0xCC};
// The header's block length: the control count and the three identifiers.
inline constexpr std::uint16_t kBlockLength = 49;
inline constexpr std::size_t kReservedSize = 36;  // zero bytes behind the identifiers
// The stream length counts from its own field, where the header ends.
inline constexpr std::size_t kStreamLengthAt = 89;
inline constexpr std::size_t kHeaderSize = 93;  // the window's record follows

// Bit 31 of a record size: the record is a member of a control array.
inline constexpr std::uint32_t kArrayMemberBit = 0x80000000u;
inline constexpr std::uint8_t kTerminator = 0xFF;  // in place of an opcode: the record ends
inline constexpr std::uint8_t kFirstChild = 0x01;  // lead bytes of the child records
inline constexpr std::uint8_t kNextChild = 0x03;
inline constexpr std::uint8_t kNoMoreChildren = 0x02;  // then the stream's last byte
inline constexpr std::uint8_t kStreamEnd = 0x04;
// Between a picture's outer length and its image length.
inline constexpr std::uint8_t kPictureTag[4] = {0x6C, 0x74, 0x00, 0x00};

}  // namespace runtime::format
