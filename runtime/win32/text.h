// Text for the Windows API: the model's UTF-8 as UTF-16 and back.
#pragma once

#include <string>
#include <string_view>

namespace runtime::win32 {

std::wstring Widen(std::string_view utf8);

}  // namespace runtime::win32
