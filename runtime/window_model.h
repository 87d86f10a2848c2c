// The window model: the window's settings and its controls as the builder
// makes them from the window description, independent of any window
// system. A platform layer draws them and feeds their input back; the
// program reaches the images through runtime::Image and runtime::ControlArray.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "com.h"
#include "controls.h"
#include "description.h"
#include "form.h"
#include "picture.h"

namespace runtime {

// A colour as the platform stores it: 0x00BBGGRR, or with the top bit set
// a system colour whose index is in the low byte.
constexpr bool IsSystemColour(Colour c) { return (c.value & 0x80000000u) != 0; }
constexpr std::uint8_t Red(Colour c) { return static_cast<std::uint8_t>(c.value & 0xFFu); }
constexpr std::uint8_t Green(Colour c) { return static_cast<std::uint8_t>((c.value >> 8) & 0xFFu); }
constexpr std::uint8_t Blue(Colour c) { return static_cast<std::uint8_t>((c.value >> 16) & 0xFFu); }

// System colours that a control keeps when the description stores none.
inline constexpr Colour kSysButtonFace{0x8000000Fu};
inline constexpr Colour kSysButtonText{0x80000012u};

// A rectangle in pixels.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Twips to pixels at the platform's scale (15 twips per pixel at 96 dpi),
// to the nearest pixel.
int TwipsToPixels(std::int32_t twips, double twipsPerPixel);
PixelRect ToPixels(const Extent& twips, double twipsPerPixel);

// The font a control stores: face, size, weight, character set and style.
struct FontSpec {
  std::string name = "MS Sans Serif";
  double points = 8.25;
  int weight = 400;
  int charset = 0;
  bool italic = false, underline = false, strikeout = false;
};

// The window's own settings, with the platform's defaults where the
// description stores nothing.
struct FormSettings {
  std::string name;
  std::string caption;
  Colour backColor = Colour{0x8000000Fu};
  Colour foreColor = Colour{0x80000012u};
  int borderStyle = 2;  // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, ...
  bool maxButton = true;
  bool minButton = true;
  Extent client{0, 0, 0, 0};  // ClientLeft, ClientTop, ClientWidth, ClientHeight in twips
  bool showInTaskbar = true;
  int startUpPosition = 3;  // 0 manual, 1 centre owner, 2 centre screen, 3 platform default

  bool Resizable() const { return borderStyle == 2 || borderStyle == 5; }
  // The title bar's minimize and maximize boxes: only the fixed single and
  // the sizable frame have them, and then as stored.
  bool HasMinimizeBox() const { return minButton && (borderStyle == 1 || borderStyle == 2); }
  bool HasMaximizeBox() const { return maxButton && (borderStyle == 1 || borderStyle == 2); }
};

// Told when a control's look changes, so that the platform repaints it.
using ChangeListener = std::function<void(const Extent& area)>;

// What every control has: its name, id, place and visibility.
struct ControlBase {
  std::string name;
  int id = 0;
  std::optional<std::int16_t> index;  // set for a member of a control array
  Extent extent{0, 0, 0, 0};
  bool visible = true;
  int tabIndex = 0;
};

class ButtonControl final : public Counted<Object> {
 public:
  ControlBase base;
  std::string caption;
  Colour backColor = kSysButtonFace;
  Colour foreColor = kSysButtonText;
  FontSpec font;
  int style = 0;  // 0 standard, 1 graphical (the face in BackColor)
};

class LabelControl final : public Counted<Object> {
 public:
  ControlBase base;
  std::string caption;
  Colour backColor = kSysButtonFace;
  Colour foreColor = kSysButtonText;
  FontSpec font;
  int backStyle = 1;  // 0 transparent, 1 opaque
};

// An image control: shows its picture in its frame, stretched when Stretch
// is set; reached by the program through runtime::Image.
class ImageControl final : public Counted<Image> {
 public:
  ControlBase base;
  bool stretch = false;

  Status put_Visible(bool visible) override;
  Status get_Picture(Picture** picture) override;
  Status put_Picture(Picture* picture) override;

  Picture* picture() const { return picture_.get(); }
  // The platform's listener for changes of the image's look.
  void SetListener(ChangeListener listener) { listener_ = std::move(listener); }

 private:
  void Changed() const;

  Ref<Picture> picture_;
  ChangeListener listener_;
};

// A control array of images, addressed by member index.
class ImageArray final : public Counted<ControlArray> {
 public:
  // A bad index gives ControlError(340), the control-array-element error.
  Status Item(std::int16_t index, Image** member) override;

  void Add(std::int16_t index, Ref<ImageControl> member);
  ImageControl* Member(std::int16_t index) const;
  std::size_t size() const { return members_.size(); }

 private:
  std::map<std::int16_t, Ref<ImageControl>> members_;
};

// One entry of the stacking order; the controls are owned by the window's
// table of controls.
using Layer = std::variant<ButtonControl*, LabelControl*, ImageControl*>;

const ControlBase& BaseOf(const Layer& layer);

struct WindowModel {
  FormSettings settings;
  std::vector<Layer> stacking;  // in record order, the first on top
};

// The topmost visible control that is not a window of its own (a label or
// an image) under the pixel, or null.
const Layer* WindowlessAt(const WindowModel& model, int px, int py, double twipsPerPixel);

}  // namespace runtime
