// Creating, dressing, painting and feeding the window.
#include "form_window.h"

#include <string>

#include "pictures.h"
#include "text.h"

namespace runtime::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TarvelForm";
constexpr UINT kReportMessage = WM_APP + 1;  // report undecodable pictures after painting

void RegisterFormClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));          // the program's icon, if it has one
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);  // a second window finds it registered
}

struct Styles {
  DWORD style;
  DWORD exStyle;
};

// The frame that BorderStyle asks for; title-bar boxes only where the
// frame has them.
Styles StylesFor(const FormSettings& s) {
  if (s.borderStyle == 0) return {WS_POPUP | WS_CLIPCHILDREN, 0};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_WINDOWEDGE;
  switch (s.borderStyle) {
    case 1: style |= WS_BORDER; break;
    case 2: style |= WS_THICKFRAME; break;
    case 3: exStyle |= WS_EX_DLGMODALFRAME; break;
    case 4: exStyle |= WS_EX_TOOLWINDOW; break;
    case 5: style |= WS_THICKFRAME; exStyle |= WS_EX_TOOLWINDOW; break;
    default: break;
  }
  if (s.HasMinimizeBox()) style |= WS_MINIMIZEBOX;
  if (s.HasMaximizeBox()) style |= WS_MAXIMIZEBOX;
  return {style, exStyle};
}

FormWindow* FormOf(HWND hwnd) {
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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
    : instance_(std::move(instance)),
      twipsPerPixel_(TwipsPerPixel()),
      background_(CreateSolidBrush(ToColorRef(instance_->model().settings.backColor))) {
  CreateWindows();
}

FormWindow::~FormWindow() {
  SetErrorReporter(nullptr);
  for (const Layer& layer : instance_->model().stacking)
    if (auto* image = std::get_if<ImageControl*>(&layer)) (*image)->SetListener(nullptr);
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (owner_) DestroyWindow(owner_);
}

void FormWindow::CreateWindows() {
  HINSTANCE module = GetModuleHandleW(nullptr);
  RegisterFormClass(module, &FormWindow::FormProc);
  const FormSettings& s = instance_->model().settings;
  const Styles styles = StylesFor(s);

  RECT frame{0, 0, TwipsToPixels(s.client.width, twipsPerPixel_), TwipsToPixels(s.client.height, twipsPerPixel_)};
  AdjustWindowRectEx(&frame, styles.style, FALSE, styles.exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (s.startUpPosition == 1 || s.startUpPosition == 2) {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    x = work.left + (work.right - work.left - width) / 2;
    y = work.top + (work.bottom - work.top - height) / 2;
  } else if (s.startUpPosition == 0) {
    x = TwipsToPixels(s.client.left, twipsPerPixel_) + frame.left;
    y = TwipsToPixels(s.client.top, twipsPerPixel_) + frame.top;
  }

  // An owned window gets no taskbar button; the owner itself is never shown.
  if (!s.showInTaskbar)
    owner_ = CreateWindowExW(0, kFormClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
  window_ = CreateWindowExW(styles.exStyle, kFormClass, Widen(s.caption).c_str(), styles.style, x, y, width,
                            height, owner_, nullptr, module, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  const auto& stacking = instance_->model().stacking;
  // Each new button goes below those made before it (CreateButton), so
  // walking the stacking from the top keeps the first on top.
  for (const Layer& layer : stacking) {
    if (auto* button = std::get_if<ButtonControl*>(&layer)) {
      CreateButton(**button);
    } else if (auto* label = std::get_if<LabelControl*>(&layer)) {
      labelFonts_.emplace(*label, GdiObject<HFONT>(MakeFont((*label)->font)));
    } else if (auto* image = std::get_if<ImageControl*>(&layer)) {
      (*image)->SetListener([this](const Extent& area) { Invalidate(area); });
    }
  }
}

void FormWindow::CreateButton(ButtonControl& control) {
  const PixelRect r = ToPixels(control.base.extent, twipsPerPixel_);
  DWORD style = WS_CHILD | WS_TABSTOP | BS_OWNERDRAW;
  if (control.base.visible) style |= WS_VISIBLE;
  HWND button = CreateWindowExW(0, L"BUTTON", Widen(control.caption).c_str(), style, r.x, r.y, r.width,
                                r.height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.base.id)),
                                GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(button, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  buttonBase_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::ButtonProc)));
  Button entry{&control, GdiObject<HFONT>(MakeFont(control.font))};
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(entry.font.get()), FALSE);
  buttons_.emplace(button, std::move(entry));
}

void FormWindow::Show() {
  SetErrorReporter([this](const RuntimeError& error) {
    const int length = GetWindowTextLengthW(window_);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(length));
    MessageBoxW(window_, Widen(error.Message()).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
  });
  // The focus goes to the visible button with the lowest tab index.
  for (const auto& [hwnd, button] : buttons_) {
    if (!button.control->base.visible) continue;
    if (focus_ == nullptr || button.control->base.tabIndex < buttons_.at(focus_).control->base.tabIndex)
      focus_ = hwnd;
  }
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  if (focus_) SetFocus(focus_);
}

LRESULT CALLBACK FormWindow::FormProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  FormWindow* form = FormOf(hwnd);
  if (form == nullptr || hwnd != form->window_) return DefWindowProcW(hwnd, message, w, l);
  return form->OnMessage(message, w, l);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the back buffer paints everything
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      Paint(dc, ps.rcPaint);
      EndPaint(window_, &ps);
      if (reportPending_) PostMessageW(window_, kReportMessage, 0, 0);
      return 0;
    }
    case kReportMessage:
      ReportUndecodable();
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(w) == BN_CLICKED) {
        const auto found = buttons_.find(reinterpret_cast<HWND>(l));
        if (found != buttons_.end()) instance_->ClickButton(found->second.control->base.id);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // Coming back to the window, the focus returns to its button.
      if (LOWORD(w) != WA_INACTIVE && focus_) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (focus_) SetFocus(focus_);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(window_);
      mouseHeld_ = true;
      pressedOn_ = WindowlessAt(instance_->model(), static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)),
                                twipsPerPixel_);
      return 0;
    case WM_LBUTTONUP: {
      if (!mouseHeld_) return 0;
      mouseHeld_ = false;
      ReleaseCapture();
      const int x = static_cast<short>(LOWORD(l)), y = static_cast<short>(HIWORD(l));
      RECT client;
      GetClientRect(window_, &client);
      if (x < client.left || y < client.top || x >= client.right || y >= client.bottom) return 0;
      if (WindowlessAt(instance_->model(), x, y, twipsPerPixel_) != pressedOn_) return 0;
      instance_->ClickAt(x, y, twipsPerPixel_);
      return 0;
    }
    case WM_CAPTURECHANGED:
      mouseHeld_ = false;
      return 0;
    case WM_DESTROY:
      if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        PostQuitMessage(0);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

// The button's own handling, with two changes: Enter presses it as a
// click does (it is not the window's default button, so the platform would
// not), and the second press of a quick double press counts as a press of
// its own (an owner-drawn button would only announce a double click).
LRESULT CALLBACK FormWindow::ButtonProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  FormWindow* form = FormOf(hwnd);
  if (form == nullptr) return DefWindowProcW(hwnd, message, w, l);
  return form->OnButtonMessage(hwnd, message, w, l);
}

LRESULT FormWindow::OnButtonMessage(HWND button, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_KEYDOWN:
      if (w == VK_RETURN) {
        const bool repeat = (l & (1 << 30)) != 0;
        if (!repeat) {
          const auto found = buttons_.find(button);
          if (found != buttons_.end()) instance_->ClickButton(found->second.control->base.id);
        }
        return 0;
      }
      break;
    case WM_CHAR:
      if (w == L'\r') return 0;
      break;
    case WM_LBUTTONDBLCLK:
      message = WM_LBUTTONDOWN;
      break;
    case WM_SETFOCUS:
      focus_ = button;
      break;
    default:
      break;
  }
  return CallWindowProcW(buttonBase_, button, message, w, l);
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
  FillRect(back, &area, background_.get());

  const auto& stacking = instance_->model().stacking;
  for (auto layer = stacking.rbegin(); layer != stacking.rend(); ++layer) {
    const ControlBase& base = BaseOf(*layer);
    if (!base.visible) continue;
    const RECT frame = ToRect(ToPixels(base.extent, twipsPerPixel_));
    RECT overlap;
    if (!IntersectRect(&overlap, &frame, &area)) continue;
    if (auto* label = std::get_if<LabelControl*>(&*layer)) PaintLabel(back, **label);
    if (auto* image = std::get_if<ImageControl*>(&*layer)) PaintImage(back, **image);
  }

  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, back, area.left, area.top,
         SRCCOPY);
  SelectObject(back, old);
  DeleteDC(back);
}

void FormWindow::PaintLabel(HDC dc, const LabelControl& label) {
  RECT frame = ToRect(ToPixels(label.base.extent, twipsPerPixel_));
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
  if (label.backStyle != 0) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(label.backColor)));
    FillRect(dc, &frame, brush.get());
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(label.foreColor));
  SelectObject(dc, labelFonts_.at(&label).get());
  const std::wstring text = Widen(label.caption);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &frame, DT_LEFT | DT_TOP | DT_WORDBREAK);
  RestoreDC(dc, saved);
}

void FormWindow::PaintImage(HDC dc, const ImageControl& image) {
  const Picture* picture = image.picture();
  if (picture == nullptr || undecodable_.count(picture) != 0) return;
  const PixelRect frame = ToPixels(image.base.extent, twipsPerPixel_);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, frame.x, frame.y, frame.x + frame.width, frame.y + frame.height);
  if (!DrawPicture(dc, *picture, frame, image.stretch)) {
    undecodable_.insert(picture);
    reportPending_ = true;
  }
  RestoreDC(dc, saved);
}

void FormWindow::ReportUndecodable() {
  if (!reportPending_) return;
  reportPending_ = false;
  ReportError(RuntimeError(kErrInvalidFileFormat, "a picture cannot be decoded"));
}

void FormWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  const auto found = buttons_.find(item.hwndItem);
  if (found == buttons_.end()) return;
  const ButtonControl& control = *found->second.control;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool down = (item.itemState & ODS_SELECTED) != 0;

  // A graphical button paints its face in its own colour.
  GdiObject<HBRUSH> face(CreateSolidBrush(ToColorRef(control.style == 1 ? control.backColor : kSysButtonFace)));
  FillRect(dc, &r, face.get());
  DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  RECT text = r;
  InflateRect(&text, -4, -4);
  if (down) OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(control.foreColor));
  HGDIOBJ oldFont = SelectObject(dc, found->second.font.get());
  const std::wstring caption = Widen(control.caption);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = r;
    InflateRect(&focus, -4, -4);
    if (down) OffsetRect(&focus, 1, 1);
    DrawFocusRect(dc, &focus);
  }
}

void FormWindow::Invalidate(const Extent& twips) {
  if (window_ == nullptr) return;
  const RECT r = ToRect(ToPixels(twips, twipsPerPixel_));
  InvalidateRect(window_, &r, FALSE);
}

}  // namespace runtime::win32
