// A window of the program on Windows: a top-level window dressed by the
// window's settings (title, frame, title-bar boxes, taskbar), with a child
// window of the program's own class for each command button. What they
// show and how they answer their input is the window presenter's; this is
// the plumbing between it and Win32: window messages, painting through a
// back buffer, repaints, message boxes.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <variant>

// The runtime's headers come first: the Windows headers define some of its
// status names (S_OK, E_FAIL, ...) as macros.
#include "program.h"
#include "window_presenter.h"

#include "canvas.h"

namespace runtime::win32 {

class FormWindow final : public Surface {
 public:
  // Opens the program's window from its table of windows; nothing is shown
  // yet.
  static std::variant<std::unique_ptr<FormWindow>, RuntimeError> Open(const ProgramHeader& program);

  explicit FormWindow(std::unique_ptr<WindowInstance> instance);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Shows the window with the focus on its button, and from then on
  // reports run-time errors in message boxes over it.
  void Show();

  HWND hwnd() const { return window_; }
  WindowPresenter& presenter() { return presenter_; }

 private:
  // The surface that the presenter is given.
  void Repaint(const PixelRect& area) override;
  void ShowMessage(const std::string& title, const std::string& text) override;
  void Post(std::function<void()> task) override;
  void Prefetch(const Pictures::Wanted& pictures) override;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  // A message to the window of button id, which takes the focus (Tab
  // leaves it there) and is neither a default nor a cancel button.
  LRESULT OnButtonMessage(HWND button, int id, UINT message, WPARAM w, LPARAM l);
  void CreateWindows();
  void CreateButton(const ButtonControl& control);
  void Paint(HDC dc, const RECT& area);
  void FocusButton();
  // Ends the mouse capture of a press, without taking that for the mouse
  // taken away.
  void LetMouseGo(HWND from);

  WindowPresenter presenter_;
  Pictures pictures_;
  Fonts fonts_;
  HWND owner_ = nullptr;  // hidden: keeps an off-taskbar window off the taskbar
  HWND window_ = nullptr;
  std::map<int, HWND> buttons_;
  std::deque<std::function<void()>> posted_;
  bool lettingMouseGo_ = false;
};

}  // namespace runtime::win32
