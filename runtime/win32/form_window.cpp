// The window on Windows: creating and dressing it and its buttons, and
// handing their messages, paints and clicks to the presenter.
#include "form_window.h"

#include <string>

#include "text.h"

namespace runtime::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TarvelForm";
constexpr wchar_t kButtonClass[] = L"TarvelButton";
constexpr UINT kRunPosted = WM_APP + 1;  // run the work posted to the window

// Registers a window class whose windows all go to proc; a second window
// finds it registered.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.hIcon = icon;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

ButtonKey KeyOf(WPARAM key) {
  switch (key) {
    case VK_SPACE: return ButtonKey::Space;
    case VK_RETURN: return ButtonKey::Enter;
    case VK_TAB: return ButtonKey::Tab;
    default: return ButtonKey::Other;
  }
}

struct Styles {
  DWORD style;
  DWORD exStyle;
};

// The frame that the border style asks for; title-bar boxes only where the
// frame has them.
Styles StylesFor(const FormSettings& s) {
  if (!s.HasFrame()) return {WS_POPUP | WS_CLIPCHILDREN, 0};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_WINDOWEDGE;
  if (s.Resizable()) style |= WS_THICKFRAME;
  if (s.IsToolWindow()) exStyle |= WS_EX_TOOLWINDOW;
  if (s.borderStyle == BorderStyle::FixedSingle) style |= WS_BORDER;
  if (s.borderStyle == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (s.HasMinimizeBox()) style |= WS_MINIMIZEBOX;
  if (s.HasMaximizeBox()) style |= WS_MAXIMIZEBOX;
  return {style, exStyle};
}

PixelPoint PointOf(LPARAM l) { return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}; }

bool InsideClient(HWND hwnd, LPARAM l) {
  RECT client;
  GetClientRect(hwnd, &client);
  const PixelPoint at = PointOf(l);
  return PtInRect(&client, POINT{at.x, at.y}) != FALSE;
}

}  // namespace

std::variant<std::unique_ptr<FormWindow>, RuntimeError> FormWindow::Open(const ProgramHeader& program) {
  auto opened = OpenWindow(program);
  if (auto* error = std::get_if<RuntimeError>(&opened)) return *error;
  auto window = std::make_unique<FormWindow>(std::move(std::get<std::unique_ptr<WindowInstance>>(opened)));
  // Without its window the message loop would wait for ever.
  if (window->hwnd() == nullptr) return RuntimeError(kErrOutOfMemory, "the window could not be created");
  return window;
}

FormWindow::FormWindow(std::unique_ptr<WindowInstance> instance)
    : presenter_(std::move(instance), *this, TwipsPerPixel()), pictures_(&DecodePicture), fonts_(&MakeFont) {
  // The pictures of the first frame are decoded on worker threads, side by
  // side, while the fonts are made and the windows created.
  for (const auto& wanted : presenter_.FirstPictures()) pictures_.Prefetch({wanted});
  for (const FontSpec& font : presenter_.Fonts()) fonts_.For(font);
  CreateWindows();
}

FormWindow::~FormWindow() {
  for (const auto& [id, button] : buttons_) {
    SetWindowLongPtrW(button, GWLP_USERDATA, 0);
    DestroyWindow(button);
  }
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (owner_) DestroyWindow(owner_);
}

void FormWindow::CreateWindows() {
  HINSTANCE module = GetModuleHandleW(nullptr);
  // The program's icon, if it has one.
  RegisterWindowClass(module, kFormClass, &FormWindow::Proc, LoadIconW(module, MAKEINTRESOURCEW(1)));
  RegisterWindowClass(module, kButtonClass, &FormWindow::Proc, nullptr);
  const FormSettings& s = presenter_.settings();
  const Styles styles = StylesFor(s);

  const PixelSize client = presenter_.ClientSize();
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectEx(&frame, styles.style, FALSE, styles.exStyle);
  const PixelSize outer{frame.right - frame.left, frame.bottom - frame.top};
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const auto origin = presenter_.Origin(outer, {-frame.left, -frame.top},
                                        {work.left, work.top, work.right - work.left, work.bottom - work.top});

  // An owned window gets no taskbar button; the owner itself is never shown.
  if (!s.showInTaskbar)
    owner_ = CreateWindowExW(0, kFormClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
  window_ = CreateWindowExW(styles.exStyle, kFormClass, Widen(s.caption).c_str(), styles.style,
                            origin ? origin->x : CW_USEDEFAULT, origin ? origin->y : CW_USEDEFAULT, outer.width,
                            outer.height, owner_, nullptr, module, nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  for (const ButtonControl* control : presenter_.Buttons()) CreateButton(*control);
}

void FormWindow::CreateButton(const ButtonControl& control) {
  const PixelRect r = presenter_.Pixels(control.base.extent);
  const DWORD style = WS_CHILD | (control.base.visible ? WS_VISIBLE : 0);
  HWND button = CreateWindowExW(0, kButtonClass, Widen(control.caption).c_str(), style, r.x, r.y, r.width,
                                r.height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.base.id)),
                                GetModuleHandleW(nullptr), nullptr);
  // Each new button goes below those made before it, so making them from
  // the top of the stacking keeps the first on top.
  SetWindowPos(button, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  buttons_[control.base.id] = button;
}

void FormWindow::Show() {
  presenter_.ReportInMessageBoxes();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  FocusButton();
}

// The mouse is let go before a click runs: a message box that the click
// shows must have it.
void FormWindow::LetMouseGo(HWND from) {
  lettingMouseGo_ = true;
  if (GetCapture() == from) ReleaseCapture();
  lettingMouseGo_ = false;
}

void FormWindow::FocusButton() {
  const auto found = buttons_.find(presenter_.FocusButton());
  if (found != buttons_.end()) SetFocus(found->second);
}

void FormWindow::Repaint(const PixelRect& area) {
  if (window_ == nullptr) return;
  const RECT r = ToRect(area);
  RedrawWindow(window_, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormWindow::ShowMessage(const std::string& title, const std::string& text) {
  MessageBoxW(window_, Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
}

void FormWindow::Post(std::function<void()> task) {
  posted_.push_back(std::move(task));
  PostMessageW(window_, kRunPosted, 0, 0);
}

void FormWindow::Prefetch(const Pictures::Wanted& pictures) { pictures_.Prefetch(pictures); }

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(hwnd, message, w, l);
  if (hwnd == form->window_) return form->OnMessage(message, w, l);
  return form->OnButtonMessage(hwnd, GetDlgCtrlID(hwnd), message, w, l);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the back buffer paints everything
    case WM_PAINT:
      PaintWindow(window_, [this](HDC dc, const RECT& area) { Paint(dc, area); });
      return 0;
    case kRunPosted: {
      auto tasks = std::move(posted_);
      posted_.clear();
      for (auto& task : tasks) task();
      return 0;
    }
    case WM_ACTIVATE:
      // Coming back to the window, the focus returns to its button.
      if (LOWORD(w) == WA_INACTIVE) break;
      FocusButton();
      return 0;
    case WM_SETFOCUS:
      FocusButton();
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(window_);
      presenter_.MouseDown(PointOf(l));
      return 0;
    case WM_LBUTTONUP:
      LetMouseGo(window_);
      presenter_.MouseUp(PointOf(l));
      return 0;
    case WM_CAPTURECHANGED:
      if (!lettingMouseGo_) presenter_.MouseCancelled();
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

LRESULT FormWindow::OnButtonMessage(HWND button, int id, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the face is painted whole
    case WM_PAINT:
      PaintWindow(button, [this, id](HDC dc, const RECT&) {
        Canvas canvas(dc, pictures_, fonts_);
        presenter_.PaintButton(id, canvas);
      });
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(button);
      SetCapture(button);
      presenter_.ButtonMouseDown(id);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == button) presenter_.ButtonMouseMove(id, InsideClient(button, l));
      return 0;
    case WM_LBUTTONUP: {
      const bool inside = InsideClient(button, l);
      LetMouseGo(button);
      presenter_.ButtonMouseUp(id, inside);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (!lettingMouseGo_) presenter_.ButtonMouseCancelled(id);
      return 0;
    case WM_KEYDOWN:
      if (presenter_.ButtonKeyDown(id, KeyOf(w), (l & (1 << 30)) != 0)) return 0;
      break;
    case WM_KEYUP:
      if (presenter_.ButtonKeyUp(id, KeyOf(w), false)) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      presenter_.ButtonFocus(id, message == WM_SETFOCUS);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(button, message, w, l);
}

void FormWindow::Paint(HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  HDC back = CreateCompatibleDC(dc);
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
  HGDIOBJ old = SelectObject(back, bitmap.get());
  IntersectClipRect(back, area.left, area.top, area.right, area.bottom);
  Canvas canvas(back, pictures_, fonts_);
  presenter_.Paint(canvas, {area.left, area.top, area.right - area.left, area.bottom - area.top});
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, back, area.left, area.top,
         SRCCOPY);
  SelectObject(back, old);
  DeleteDC(back);
}

}  // namespace runtime::win32
