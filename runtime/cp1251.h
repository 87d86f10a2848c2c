// Text conversion between UTF-8 and Windows code page 1251, exact for all
// 256 code points. A byte or character without a counterpart is an error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// nullopt where a byte has no character (0x98 is the one such byte).
std::optional<std::string> Cp1251ToUtf8(std::string_view cp1251);
// nullopt where the text is not UTF-8 or holds a character outside the code page.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace runtime
