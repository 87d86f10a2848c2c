// Placing, focusing, painting and pressing: the window's behaviour that
// every window layer shares.
#include "window_presenter.h"

#include "errors.h"

namespace runtime {

namespace {

// The classic push button's edge colours, as system colours: each window
// layer shows them in its own scheme.
constexpr Colour kSysButtonShadow{0x80000010u};
constexpr Colour kSysButtonHighlight{0x80000014u};
constexpr Colour kSys3DDarkShadow{0x80000015u};
constexpr Colour kSys3DLight{0x80000016u};

// A frame one pixel wide just inside r.
void Frame(Canvas& canvas, const PixelRect& r, Colour colour) {
  canvas.FillRect({r.x, r.y, r.width, 1}, colour);
  canvas.FillRect({r.x, r.y + r.height - 1, r.width, 1}, colour);
  canvas.FillRect({r.x, r.y, 1, r.height}, colour);
  canvas.FillRect({r.x + r.width - 1, r.y, 1, r.height}, colour);
}

// The raised edge of a button that is not pressed: light above and to the
// left, dark below and to the right, two pixels deep.
void RaisedEdge(Canvas& canvas, int w, int h) {
  canvas.FillRect({0, 0, w - 1, 1}, kSysButtonHighlight);
  canvas.FillRect({0, 0, 1, h - 1}, kSysButtonHighlight);
  canvas.FillRect({0, h - 1, w, 1}, kSys3DDarkShadow);
  canvas.FillRect({w - 1, 0, 1, h}, kSys3DDarkShadow);
  canvas.FillRect({1, 1, w - 3, 1}, kSys3DLight);
  canvas.FillRect({1, 1, 1, h - 3}, kSys3DLight);
  canvas.FillRect({1, h - 2, w - 2, 1}, kSysButtonShadow);
  canvas.FillRect({w - 2, 1, 1, h - 2}, kSysButtonShadow);
}

// The size an image shows its picture at in its frame: the frame's when it
// stretches it, else the picture's own ({0, 0}). The pictures decoded ahead
// of time are asked for at the size the paint asks for them at.
PixelSize ShownSize(const ImageControl& image, const PixelRect& frame) {
  return image.stretch ? frame.Size() : PixelSize{};
}

}  // namespace

std::vector<std::pair<Picture*, PixelSize>> FirstPictures(const WindowModel& model, double twipsPerPixel) {
  std::vector<std::pair<Picture*, PixelSize>> pictures;
  for (const Layer& layer : model.stacking)
    if (auto* image = std::get_if<ImageControl*>(&layer); image && (*image)->base.visible && (*image)->picture())
      pictures.emplace_back((*image)->picture(),
                            ShownSize(**image, ToPixels((*image)->base.extent, twipsPerPixel)));
  return pictures;
}

std::vector<std::pair<Picture*, PixelSize>> LaterPictures(const WindowModel& model, double twipsPerPixel) {
  std::vector<PixelSize> empty;
  for (const Layer& layer : model.stacking)
    if (auto* image = std::get_if<ImageControl*>(&layer);
        image && (*image)->base.visible && (*image)->stretch && (*image)->picture() == nullptr)
      empty.push_back(ToPixels((*image)->base.extent, twipsPerPixel).Size());
  std::vector<std::pair<Picture*, PixelSize>> pictures;
  for (const Layer& layer : model.stacking)
    if (auto* image = std::get_if<ImageControl*>(&layer); image && !(*image)->base.visible && (*image)->picture())
      for (const PixelSize size : empty) pictures.emplace_back((*image)->picture(), size);
  return pictures;
}

WindowPresenter::WindowPresenter(std::unique_ptr<WindowInstance> instance, Surface& surface, double twipsPerPixel)
    : instance_(std::move(instance)), surface_(surface), twipsPerPixel_(twipsPerPixel) {
  for (const Layer& layer : instance_->model().stacking) {
    if (auto* button = std::get_if<ButtonControl*>(&layer)) {
      buttons_.push_back(*button);
      states_[(*button)->base.id] = {};
    } else if (auto* image = std::get_if<ImageControl*>(&layer)) {
      (*image)->SetListener([this](const Extent& area) { surface_.Repaint(Pixels(area)); });
    }
  }
}

// The images' listeners go with the window instance, which clears them.
WindowPresenter::~WindowPresenter() {
  if (reporting_) SetErrorReporter(nullptr);
}

PixelSize WindowPresenter::ClientSize() const {
  return {TwipsToPixels(settings().client.width, twipsPerPixel_),
          TwipsToPixels(settings().client.height, twipsPerPixel_)};
}

std::optional<PixelPoint> WindowPresenter::Origin(PixelSize frame, PixelPoint clientInFrame,
                                                  const PixelRect& workArea) const {
  switch (settings().startUpPosition) {
    case StartUpPosition::Manual:
      return PixelPoint{TwipsToPixels(settings().client.left, twipsPerPixel_) - clientInFrame.x,
                        TwipsToPixels(settings().client.top, twipsPerPixel_) - clientInFrame.y};
    case StartUpPosition::CentreOwner:  // the window has no owner to centre on
    case StartUpPosition::CentreScreen:
      return PixelPoint{workArea.x + (workArea.width - frame.width) / 2,
                        workArea.y + (workArea.height - frame.height) / 2};
    case StartUpPosition::Default:
      break;
  }
  return std::nullopt;
}

int WindowPresenter::FocusButton() const {
  if (lastFocused_ != 0) return lastFocused_;
  const ButtonControl* first = nullptr;
  for (const ButtonControl* button : buttons_)
    if (button->base.visible && (first == nullptr || button->base.tabIndex < first->base.tabIndex)) first = button;
  return first ? first->base.id : 0;
}

std::vector<FontSpec> WindowPresenter::Fonts() const {
  std::vector<FontSpec> fonts;
  for (const Layer& layer : instance_->model().stacking) {
    if (auto* button = std::get_if<ButtonControl*>(&layer)) fonts.push_back((*button)->font);
    if (auto* label = std::get_if<LabelControl*>(&layer)) fonts.push_back((*label)->font);
  }
  return fonts;
}

void WindowPresenter::ReportInMessageBoxes() {
  reporting_ = true;
  SetErrorReporter([this](const RuntimeError& error) { surface_.ShowMessage(settings().caption, error.Message()); });
}

void WindowPresenter::Paint(Canvas& canvas, const PixelRect& area) {
  canvas.FillRect(area, settings().backColor);
  const auto& stacking = instance_->model().stacking;
  for (auto layer = stacking.rbegin(); layer != stacking.rend(); ++layer) {
    const ControlBase& base = BaseOf(*layer);
    if (!base.visible || !Pixels(base.extent).Intersects(area)) continue;
    if (auto* label = std::get_if<LabelControl*>(&*layer)) PaintLabel(canvas, **label);
    if (auto* image = std::get_if<ImageControl*>(&*layer)) PaintImage(canvas, **image);
  }
  // Once the first frame is out, the pictures that the window may come to
  // show, as the first frame leaves it, decode ahead off the window's
  // thread.
  if (!laterPicturesAsked_) {
    laterPicturesAsked_ = true;
    surface_.Post([this, later = LaterPictures()] { surface_.Prefetch(later); });
  }
}

void WindowPresenter::PaintLabel(Canvas& canvas, const LabelControl& label) {
  const PixelRect frame = Pixels(label.base.extent);
  if (label.backStyle == BackStyle::Opaque) canvas.FillRect(frame, label.backColor);
  canvas.DrawString(frame, label.caption, label.font, label.foreColor, TextFlow::Wrapped);
}

void WindowPresenter::PaintImage(Canvas& canvas, const ImageControl& image) {
  Picture* picture = image.picture();
  if (picture == nullptr || undecodable_.count(picture) != 0) return;
  const PixelRect frame = Pixels(image.base.extent);
  if (canvas.DrawPicture(frame, *picture, ShownSize(image, frame))) return;
  undecodable_.emplace(picture, Ref<Picture>::Share(picture));
  // The report may open a message box: not from within the paint.
  if (!reportPending_) surface_.Post([this] { ReportUndecodable(); });
  reportPending_ = true;
}

void WindowPresenter::ReportUndecodable() {
  if (!reportPending_) return;
  reportPending_ = false;
  ReportError(RuntimeError(kErrInvalidFileFormat, "a picture cannot be decoded"));
}

void WindowPresenter::PaintButton(int id, Canvas& canvas) {
  const ButtonControl* button = FindButton(id);
  if (button == nullptr) return;
  const ButtonState& state = states_.at(id);
  const PixelSize size = Pixels(button->base.extent).Size();
  const PixelRect r{0, 0, size.width, size.height};
  canvas.FillRect(r, button->Face());
  if (state.Down()) {
    // Pressed: a dark frame with a shadow inside it, and the caption moved
    // down and right by a pixel.
    Frame(canvas, r, kSys3DDarkShadow);
    Frame(canvas, r.Inset(1), kSysButtonShadow);
  } else {
    RaisedEdge(canvas, r.width, r.height);
  }
  const int shift = state.Down() ? 1 : 0;
  const PixelRect inside = r.Inset(4).Moved(shift, shift);
  canvas.DrawString(inside, button->caption, button->font, button->foreColor, TextFlow::Centred);
  if (state.focused) canvas.DrawFocusRect(inside);
}

void WindowPresenter::MouseDown(PixelPoint at) {
  mouseDown_ = true;
  mouseDownOn_ = WindowlessAt(instance_->model(), at.x, at.y, twipsPerPixel_);
}

void WindowPresenter::MouseUp(PixelPoint at) {
  if (!mouseDown_) return;
  mouseDown_ = false;
  const PixelSize client = ClientSize();
  if (!PixelRect{0, 0, client.width, client.height}.Contains(at.x, at.y)) return;
  if (WindowlessAt(instance_->model(), at.x, at.y, twipsPerPixel_) != mouseDownOn_) return;
  instance_->ClickAt(at.x, at.y, twipsPerPixel_);
}

const ButtonControl* WindowPresenter::FindButton(int id) const {
  for (const ButtonControl* button : buttons_)
    if (button->base.id == id) return button;
  return nullptr;
}

WindowPresenter::ButtonState* WindowPresenter::StateOf(int id) {
  const auto found = states_.find(id);
  return found == states_.end() ? nullptr : &found->second;
}

bool WindowPresenter::ButtonDown(int id) const {
  const auto found = states_.find(id);
  return found != states_.end() && found->second.Down();
}

// change(state) returns whether the change clicks the button.
template <class Change>
void WindowPresenter::Update(int id, Change change) {
  ButtonState* state = StateOf(id);
  if (state == nullptr) return;
  const ButtonState before = *state;
  const bool click = change(*state);
  if (state->Down() != before.Down() || state->focused != before.focused)
    surface_.Repaint(Pixels(FindButton(id)->base.extent));
  if (click) instance_->ClickButton(id);
}

void WindowPresenter::ButtonMouseDown(int id) {
  Update(id, [](ButtonState& s) {
    s.mouseHeld = s.pointerInside = true;
    return false;
  });
}

void WindowPresenter::ButtonMouseMove(int id, bool inside) {
  Update(id, [inside](ButtonState& s) {
    s.pointerInside = inside;
    return false;
  });
}

void WindowPresenter::ButtonMouseUp(int id, bool inside) {
  Update(id, [inside](ButtonState& s) {
    const bool held = s.mouseHeld;
    s.mouseHeld = false;
    return held && inside;
  });
}

void WindowPresenter::ButtonMouseCancelled(int id) {
  Update(id, [](ButtonState& s) {
    s.mouseHeld = false;
    return false;
  });
}

bool WindowPresenter::ButtonKeyDown(int id, ButtonKey key, bool repeat) {
  switch (key) {
    case ButtonKey::Space:
      if (!repeat)
        Update(id, [](ButtonState& s) {
          s.spaceHeld = true;
          return false;
        });
      return true;
    case ButtonKey::Enter:
      if (!repeat) Update(id, [](ButtonState&) { return true; });
      return true;
    case ButtonKey::Tab:
      return true;  // the button is the only control that takes the focus
    case ButtonKey::Other:
      break;
  }
  return false;
}

bool WindowPresenter::ButtonKeyUp(int id, ButtonKey key, bool repeat) {
  if (key != ButtonKey::Space) return false;
  if (repeat) return true;
  Update(id, [](ButtonState& s) {
    const bool held = s.spaceHeld;
    s.spaceHeld = false;
    return held;
  });
  return true;
}

void WindowPresenter::ButtonFocus(int id, bool focused) {
  if (focused && FindButton(id)) lastFocused_ = id;
  Update(id, [focused](ButtonState& s) {
    s.focused = focused;
    if (!focused) s.spaceHeld = false;
    return false;
  });
}

}  // namespace runtime
