// A window of the program on Qt: its client area as a top-level widget,
// dressed by the window's settings (title, frame, title-bar boxes,
// taskbar), with a child widget for each command button. What it shows and
// how it answers its input is the window presenter's; this is the plumbing
// between it and Qt: paint events, mouse events, repaints, message boxes.
#pragma once

#include <QWidget>
#include <future>
#include <map>
#include <memory>
#include <variant>

#include "button_window.h"
#include "canvas.h"
#include "program.h"
#include "window_presenter.h"

namespace runtime::qt {

// The part of opening a window that needs no application object: its
// description read and the window built, the pictures of its first frame
// that need no application decoding, and the font configuration loading,
// all on worker threads. Begun as the process starts, all of it runs while
// the toolkit starts.
struct OpenedWindow {
  std::unique_ptr<WindowInstance> instance;
  std::unique_ptr<Pictures> pictures;
};
using OpeningWindow = std::future<std::variant<OpenedWindow, RuntimeError>>;

// The pictures are decoded at the sizes they are shown at on a screen of 96
// dots per inch, the usual scale; on a screen of another, the window decodes
// them again at its own. Called on the thread that goes on to make the
// application object.
OpeningWindow BeginOpening(const ProgramHeader& program);

class FormWindow final : public QWidget, public Surface {
 public:
  // Opens the program's window from its table of windows; nothing is
  // shown yet.
  static std::variant<std::unique_ptr<FormWindow>, RuntimeError> Open(const ProgramHeader& program);

  explicit FormWindow(OpenedWindow opened);
  ~FormWindow() override;

  // Places and shows the window with the focus on its button, and from
  // then on reports run-time errors in message boxes over it.
  void Show();

  WindowPresenter& presenter() { return presenter_; }
  WindowInstance& instance() const { return presenter_.instance(); }
  ButtonWindow* Button(int id) const;
  // Paints button id's face with the window's fonts.
  void PaintButton(int id, QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  // The surface that the presenter is given.
  void Repaint(const PixelRect& area) override;
  void ShowMessage(const std::string& title, const std::string& text) override;
  void Post(std::function<void()> task) override;
  void Prefetch(const Pictures::Wanted& pictures) override;
  void Place();

  WindowPresenter presenter_;
  std::unique_ptr<Pictures> pictures_;
  Fonts fonts_;
  std::map<int, ButtonWindow*> buttons_;  // children, deleted with the window
};

// The screen's scale: twips per pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixel();

}  // namespace runtime::qt
