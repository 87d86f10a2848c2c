// A window of the program on Qt: the shared window instance (window object,
// model, event tables) with its client-area widget as a top-level window
// dressed by the window's settings: title, fixed frame, title-bar buttons,
// taskbar, start-up position. Show() shows it with the focus on its first
// control that takes it, and reports run-time errors in a message box.
// Tests open and show one in-process without running the loop forever.
#pragma once

#include <QPointer>
#include <memory>
#include <variant>

#include "form_widget.h"
#include "program.h"
#include "window_instance.h"

namespace runtime::qt {

class QtWindow {
 public:
  // Opens the program's window from its table of windows (defined with
  // the start routine, which alone reads the embedded stream).
  static std::variant<std::unique_ptr<QtWindow>, RuntimeError> Open(const ProgramHeader& program);
  explicit QtWindow(std::unique_ptr<WindowInstance> instance);
  ~QtWindow();

  void Show();

  WindowInstance& instance() const { return *instance_; }
  FormWidget* widget() const { return widget_; }
  CommandButton* Button(int id) const { return widget_ ? widget_->Button(id) : nullptr; }

 private:
  std::unique_ptr<WindowInstance> instance_;
  QPointer<FormWidget> widget_;
};

// The window opened, or the error that kept it from opening.
std::variant<std::unique_ptr<QtWindow>, RuntimeError> Wrap(
    std::variant<std::unique_ptr<WindowInstance>, RuntimeError> opened);

// The platform's scale: twips per pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixel();

// Reports run-time errors in a message box over the window, titled with its
// caption, naming the error's number and text.
void ReportInMessageBox(QWidget* window);

}  // namespace runtime::qt
