// Text for the Windows API: the model's UTF-8 as UTF-16 and back.
#pragma once

#include <string>
#include <string_view>

namespace vb::win32 {

std::wstring Widen(std::string_view utf8);

}  // namespace vb::win32
