// UTF-8 to UTF-16 through the system's converter.
#include "text.h"

#include <windows.h>

namespace runtime::win32 {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), wide);
  return out;
}

}  // namespace runtime::win32
