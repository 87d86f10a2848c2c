// The Win32 baseline of the start-up benchmark: a window with the program
// window's frame and client size (841 x 393), which does nothing but fill
// its client area with the program window's dark red. Its start-up is all
// window system and no work of the program's. Built in the Windows builds
// only; bench/wine_start.sh runs it beside Tarvel.exe.
#include <windows.h>

namespace {

constexpr int kClientWidth = 841;
constexpr int kClientHeight = 393;
constexpr COLORREF kBack = RGB(0x80, 0, 0);

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HBRUSH brush = CreateSolidBrush(kBack);
      FillRect(dc, &ps.rcPaint, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.lpszClassName = L"BareWindow";
  RegisterClassExW(&wc);

  // The program window's frame: a fixed single border, a caption with the
  // close box only.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_BORDER;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_WINDOWEDGE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(
      WS_EX_WINDOWEDGE, wc.lpszClassName, L"Bare window", style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
