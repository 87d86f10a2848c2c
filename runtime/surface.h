// What the window presenter needs of a window layer: a Canvas to paint on
// for the length of one paint, and the Surface of the shown window, which
// repaints, shows message boxes, runs work after the current event and
// decodes pictures ahead of time.
// Positions are in pixels: on a Canvas from the top-left corner of what is
// painted (the client area, or a button's face), on the Surface from the
// client area's.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "window_model.h"

namespace runtime {

// How a text is set in its box.
enum class TextFlow {
  Wrapped,  // from the top-left corner, broken between words (a label)
  Centred,  // one line, centred both ways (a button's caption)
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const PixelRect& r, Colour colour) = 0;
  // The text in the font, clipped to its box.
  virtual void DrawString(const PixelRect& box, const std::string& text, const FontSpec& font, Colour colour,
                        TextFlow flow) = 0;
  // The picture decoded at the size it is shown at ({0, 0}: its own),
  // drawn from the frame's top-left corner and clipped to the frame.
  // Pixels of the transparent entry leave what lies beneath. False when
  // the file cannot be decoded.
  virtual bool DrawPicture(const PixelRect& frame, Picture& picture, PixelSize shown) = 0;
  // The window system's mark of the focus, just inside r.
  virtual void DrawFocusRect(const PixelRect& r) = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;
  // Paints the area again soon, the windows of the buttons in it included.
  virtual void Repaint(const PixelRect& area) = 0;
  // A modal message box over the window, with its one button.
  virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
  // Runs task on the window's thread once the current event is handled,
  // unless the window is gone by then.
  virtual void Post(std::function<void()> task) = 0;
  // Starts decoding the pictures, each at its size, off the window's
  // thread, so that they are ready when they come to be shown.
  virtual void Prefetch(const std::vector<std::pair<Picture*, PixelSize>>& pictures) = 0;
};

}  // namespace runtime
