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

// A point, a size and a rectangle in pixels.
struct PixelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
  int width = 0, height = 0;
  friend auto operator<=>(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
  bool Intersects(const PixelRect& o) const {
    return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
  }
  PixelSize Size() const { return {width, height}; }
  // The rectangle moved in by d on every side.
  PixelRect Inset(int d) const { return {x + d, y + d, width - 2 * d, height - 2 * d}; }
  PixelRect Moved(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
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
  friend auto operator<=>(const FontSpec&, const FontSpec&) = default;
};

// The window's frame, as the window stores it.
enum class BorderStyle : std::uint8_t {
  None = 0,
  FixedSingle = 1,
  Sizable = 2,
  FixedDialog = 3,
  FixedToolWindow = 4,
  SizableToolWindow = 5,
};

// Where the window opens.
enum class StartUpPosition : std::uint8_t {
  Manual = 0,        // its client area at the stored ClientLeft, ClientTop
  CentreOwner = 1,   // centred on its owner; a window without one, on the screen
  CentreScreen = 2,  // centred on the screen
  Default = 3,       // where the window system puts new windows
};

// Whether a label paints its background behind its text.
enum class BackStyle : std::uint8_t { Transparent = 0, Opaque = 1 };

// A command button's look: the system's face, or its own BackColor.
enum class ButtonStyle : std::uint8_t { Standard = 0, Graphical = 1 };

// The window's own settings, with the platform's defaults where the
// description stores nothing.
struct FormSettings {
  std::string name;
  std::string caption;
  Colour backColor = Colour{0x8000000Fu};
  Colour foreColor = Colour{0x80000012u};
  BorderStyle borderStyle = BorderStyle::Sizable;
  bool maxButton = true;
  bool minButton = true;
  Extent client{0, 0, 0, 0};  // ClientLeft, ClientTop, ClientWidth, ClientHeight in twips
  bool showInTaskbar = true;
  StartUpPosition startUpPosition = StartUpPosition::Default;

  bool HasFrame() const { return borderStyle != BorderStyle::None; }
  bool Resizable() const {
    return borderStyle == BorderStyle::Sizable || borderStyle == BorderStyle::SizableToolWindow;
  }
  bool IsToolWindow() const {
    return borderStyle == BorderStyle::FixedToolWindow || borderStyle == BorderStyle::SizableToolWindow;
  }
  // The title bar's minimize and maximize boxes: only the fixed single and
  // the sizable frame have them, and then as stored.
  bool HasMinimizeBox() const { return minButton && HasTitleBarBoxes(); }
  bool HasMaximizeBox() const { return maxButton && HasTitleBarBoxes(); }

 private:
  bool HasTitleBarBoxes() const {
    return borderStyle == BorderStyle::FixedSingle || borderStyle == BorderStyle::Sizable;
  }
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
  ButtonStyle style = ButtonStyle::Standard;

  // The colour its face is painted in.
  Colour Face() const { return style == ButtonStyle::Graphical ? backColor : kSysButtonFace; }
};

class LabelControl final : public Counted<Object> {
 public:
  ControlBase base;
  std::string caption;
  Colour backColor = kSysButtonFace;
  Colour foreColor = kSysButtonText;
  FontSpec font;
  BackStyle backStyle = BackStyle::Opaque;
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
