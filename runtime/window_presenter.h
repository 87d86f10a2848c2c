// The window presenter: everything a shown window does that is neither
// drawing nor the window system's plumbing, the same for every window
// layer. It places the window, keeps the focus on its buttons, paints the
// controls in stacking order through a Canvas, tracks the presses of each
// button and turns them into clicks, leaves out a picture that cannot be
// decoded and reports it once, and reports run-time errors in message
// boxes. A window layer feeds it the window system's input and gives it a
// Surface; the command buttons are windows of their own in every layer.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "surface.h"
#include "window_instance.h"
#include "window_model.h"

namespace runtime {

// The keys that a command button answers.
enum class ButtonKey { Space, Enter, Tab, Other };

// The pictures of the first frame, each with the size it is shown at on a
// screen of that scale ({0, 0}: its own), to decode ahead of the first
// paint.
std::vector<std::pair<Picture*, PixelSize>> FirstPictures(const WindowModel& model, double twipsPerPixel);

// The pictures that the window may come to show: those of the hidden
// images, each at the size of every visible stretched image that shows no
// picture yet, where the program's code can give it one (the cards, at the
// display slot's size). To decode after the first frame.
std::vector<std::pair<Picture*, PixelSize>> LaterPictures(const WindowModel& model, double twipsPerPixel);

class WindowPresenter {
 public:
  // twipsPerPixel: the screen's scale (15 at 96 dpi).
  WindowPresenter(std::unique_ptr<WindowInstance> instance, Surface& surface, double twipsPerPixel);
  ~WindowPresenter();
  WindowPresenter(const WindowPresenter&) = delete;
  WindowPresenter& operator=(const WindowPresenter&) = delete;

  WindowInstance& instance() const { return *instance_; }
  const FormSettings& settings() const { return instance_->model().settings; }
  double twipsPerPixel() const { return twipsPerPixel_; }
  PixelRect Pixels(const Extent& twips) const { return ToPixels(twips, twipsPerPixel_); }
  PixelSize ClientSize() const;

  // Where the window's frame opens on the screen: its top-left corner,
  // from the frame's outer size, the client area's place inside it and the
  // screen's work area; none where the window system is to place it.
  std::optional<PixelPoint> Origin(PixelSize frame, PixelPoint clientInFrame, const PixelRect& workArea) const;

  // The command buttons, in stacking order, the first on top.
  const std::vector<ButtonControl*>& Buttons() const { return buttons_; }
  // The button that is to have the focus: the one that had it last, or
  // before any had it, the visible button with the lowest tab index; 0
  // when there is none.
  int FocusButton() const;

  // The pictures of the first frame, each with the size it is shown at.
  std::vector<std::pair<Picture*, PixelSize>> FirstPictures() const {
    return runtime::FirstPictures(instance_->model(), twipsPerPixel_);
  }
  std::vector<std::pair<Picture*, PixelSize>> LaterPictures() const {
    return runtime::LaterPictures(instance_->model(), twipsPerPixel_);
  }

  // The fonts of the buttons and the labels, to look up ahead of the first
  // paint.
  std::vector<FontSpec> Fonts() const;

  // From now on a run-time error is reported in a message box over the
  // window, titled with its caption.
  void ReportInMessageBoxes();

  // Paints `area` of the client area: the background, then the labels and
  // the images, the bottom of the stacking first.
  void Paint(Canvas& canvas, const PixelRect& area);
  // Paints the face of button id, from its own top-left corner.
  void PaintButton(int id, Canvas& canvas);

  // The left mouse button on the client area, outside the buttons: a
  // press and a release over the same control (or the bare window) click
  // it. Cancelled when the window system takes the mouse away.
  void MouseDown(PixelPoint at);
  void MouseUp(PixelPoint at);
  void MouseCancelled() { mouseDown_ = false; }

  // The left mouse button on button id: it shows pressed while the pointer
  // is inside, and a release inside clicks it.
  void ButtonMouseDown(int id);
  void ButtonMouseMove(int id, bool inside);
  void ButtonMouseUp(int id, bool inside);
  void ButtonMouseCancelled(int id);
  // A key on button id, which has the focus: Space presses it while held
  // and clicks when let go, Enter clicks at once, Tab leaves the focus
  // where it is. True when the button took the key.
  bool ButtonKeyDown(int id, ButtonKey key, bool repeat);
  bool ButtonKeyUp(int id, ButtonKey key, bool repeat);
  // Button id got or lost the focus.
  void ButtonFocus(int id, bool focused);

  // Whether button id shows pressed now.
  bool ButtonDown(int id) const;

 private:
  struct ButtonState {
    bool mouseHeld = false;
    bool pointerInside = false;
    bool spaceHeld = false;
    bool focused = false;
    bool Down() const { return (mouseHeld && pointerInside) || spaceHeld; }
  };

  const ButtonControl* FindButton(int id) const;
  ButtonState* StateOf(int id);
  // Applies a change to button id's state, repaints it if its look
  // changed, and clicks it when asked.
  template <class Change>
  void Update(int id, Change change);
  void PaintLabel(Canvas& canvas, const LabelControl& label);
  void PaintImage(Canvas& canvas, const ImageControl& image);
  void ReportUndecodable();

  std::unique_ptr<WindowInstance> instance_;
  Surface& surface_;
  double twipsPerPixel_;
  std::vector<ButtonControl*> buttons_;
  std::map<int, ButtonState> states_;
  int lastFocused_ = 0;
  bool mouseDown_ = false;
  const Layer* mouseDownOn_ = nullptr;
  std::map<const Picture*, Ref<Picture>> undecodable_;  // each held, so that none is mistaken for another
  bool reportPending_ = false;
  bool reporting_ = false;
  bool laterPicturesAsked_ = false;
};

}  // namespace runtime
