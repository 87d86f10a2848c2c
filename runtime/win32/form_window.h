// A window of the program on Win32: the shared window instance (window
// object, model, event tables) shown as a top-level window dressed by the
// window's settings (title, frame, title-bar buttons, taskbar, start-up
// position). The window paints its labels and images itself, bottom of the
// stacking first, through a back buffer; each command button is a child
// window of its own, owner-drawn in its face colour. Input becomes the
// instance's clicks.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <variant>

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "program.h"
#include "window_instance.h"

#include "gdi.h"

#include <windows.h>

namespace runtime::win32 {

class FormWindow {
 public:
  // Opens the program's window from its table of windows; nothing is shown
  // yet.
  static std::variant<std::unique_ptr<FormWindow>, RuntimeError> Open(const ProgramHeader& program);

  explicit FormWindow(std::unique_ptr<WindowInstance> instance);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Shows the window with the focus on its first button, and from then on
  // reports run-time errors in a message box over it, titled with its
  // caption.
  void Show();

  HWND hwnd() const { return window_; }

 private:
  struct Button {
    ButtonControl* control;
    GdiObject<HFONT> font;
  };

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  LRESULT OnButtonMessage(HWND button, UINT message, WPARAM w, LPARAM l);

  void CreateWindows();
  void CreateButton(ButtonControl& control);
  void Paint(HDC dc, const RECT& area);
  void PaintLabel(HDC dc, const LabelControl& label);
  void PaintImage(HDC dc, const ImageControl& image);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void Invalidate(const Extent& twips);
  void ReportUndecodable();

  std::unique_ptr<WindowInstance> instance_;
  double twipsPerPixel_;
  GdiObject<HBRUSH> background_;
  HWND owner_ = nullptr;   // hidden: keeps an off-taskbar window off the taskbar
  HWND window_ = nullptr;
  HWND focus_ = nullptr;   // the button that has or last had the focus
  WNDPROC buttonBase_ = nullptr;
  std::map<HWND, Button> buttons_;
  std::map<const LabelControl*, GdiObject<HFONT>> labelFonts_;
  std::set<const Picture*> undecodable_;  // reported once each
  bool reportPending_ = false;
  bool mouseHeld_ = false;
  const Layer* pressedOn_ = nullptr;
};

}  // namespace runtime::win32
