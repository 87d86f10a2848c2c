// The start routine on Win32: opens and shows the program's window, runs
// the message loop until the window is closed, then ends the program. A
// window that cannot be opened is reported in a message box and the
// program exits with 1.
#include <cstdlib>
#include <string>

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "form_window.h"
#include "start.h"
#include "text.h"

#include <objbase.h>
#include <windows.h>

namespace runtime {

namespace {

// The program's own name, for a report that has no window to title it.
std::wstring ProgramName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  const auto slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const auto dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

}  // namespace

[[noreturn]] void Start(const ProgramHeader& program) {
  SetProcessDPIAware();  // lay the window out at the system's own scale
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  int code = 0;
  {
    auto opened = win32::FormWindow::Open(program);
    if (auto* error = std::get_if<RuntimeError>(&opened)) {
      MessageBoxW(nullptr, win32::Widen(error->Message()).c_str(), ProgramName().c_str(), MB_OK | MB_ICONERROR);
      std::exit(1);
    }
    auto window = std::move(std::get<std::unique_ptr<win32::FormWindow>>(opened));
    window->Show();
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    code = got < 0 ? 1 : static_cast<int>(msg.wParam);
  }
  if (com) CoUninitialize();
  std::exit(code);
}

}  // namespace runtime
