// The code page table against glibc's converter, byte by byte.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "cp1251.h"

namespace {

// glibc's conversion of one byte, or nullopt where it refuses the byte.
std::optional<std::string> IconvByte(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {static_cast<char>(byte)};
  char out[8];
  char* inp = in;
  char* outp = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  const std::size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(out, sizeof out - outLeft);
}

TEST(Cp1251, EveryByteAgreesWithIconvBothWays) {
  int unmapped = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::optional<std::string> expected = IconvByte(static_cast<unsigned char>(b));
    EXPECT_EQ(runtime::Cp1251ToUtf8(byte), expected) << "byte " << b;
    if (expected) {
      EXPECT_EQ(runtime::Utf8ToCp1251(*expected), byte) << "byte " << b;
    } else {
      ++unmapped;
    }
  }
  EXPECT_EQ(unmapped, 1);
  EXPECT_EQ(runtime::Cp1251ToUtf8("\x98"), std::nullopt);
}

TEST(Cp1251, TextsConvertWholeOrNotAtAll) {
  const std::string caption = "Тарвел с късмети";
  const std::optional<std::string> stored = runtime::Utf8ToCp1251(caption);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->size(), 16u);
  EXPECT_EQ(runtime::Cp1251ToUtf8(*stored), caption);
  EXPECT_EQ(runtime::Cp1251ToUtf8("ok\x98"), std::nullopt);
  // Characters outside the code page and malformed UTF-8 are errors, never '?'.
  for (const char* bad : {"a\xC3\xA4", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xFF", "\xF0\x9F\x8E\x84"}) {
    EXPECT_EQ(runtime::Utf8ToCp1251(bad), std::nullopt) << bad;
  }
}

}  // namespace
