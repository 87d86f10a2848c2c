// The controls' own behaviour: the image's properties and the array's Item.
#include "window_model.h"

#include <cmath>
#include <utility>

namespace runtime {

namespace {

// The platform's "Control array element doesn't exist".
constexpr Status kNoSuchElement = ControlError(340);

}  // namespace

int TwipsToPixels(std::int32_t twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

PixelRect ToPixels(const Extent& twips, double twipsPerPixel) {
  return {TwipsToPixels(twips.left, twipsPerPixel), TwipsToPixels(twips.top, twipsPerPixel),
          TwipsToPixels(twips.width, twipsPerPixel), TwipsToPixels(twips.height, twipsPerPixel)};
}

Status ImageControl::put_Visible(bool visible) {
  if (base.visible == visible) return S_OK;
  base.visible = visible;
  Changed();
  return S_OK;
}

Status ImageControl::get_Picture(Picture** picture) {
  if (picture == nullptr) return E_POINTER;
  *picture = picture_.Give();
  return S_OK;
}

Status ImageControl::put_Picture(Picture* picture) {
  picture_ = Ref<Picture>::Share(picture);
  Changed();
  return S_OK;
}

void ImageControl::Changed() const {
  if (listener_) listener_(base.extent);
}

Status ImageArray::Item(std::int16_t index, Image** member) {
  if (member == nullptr) return E_POINTER;
  *member = nullptr;
  const auto found = members_.find(index);
  if (found == members_.end()) return kNoSuchElement;
  *member = found->second.Give();
  return S_OK;
}

void ImageArray::Add(std::int16_t index, Ref<ImageControl> member) { members_[index] = std::move(member); }

ImageControl* ImageArray::Member(std::int16_t index) const {
  const auto found = members_.find(index);
  return found == members_.end() ? nullptr : found->second.get();
}

const ControlBase& BaseOf(const Layer& layer) {
  return std::visit([](auto* control) -> const ControlBase& { return control->base; }, layer);
}

const Layer* WindowlessAt(const WindowModel& model, int px, int py, double twipsPerPixel) {
  for (const Layer& layer : model.stacking) {
    if (std::holds_alternative<ButtonControl*>(layer)) continue;
    const ControlBase& base = BaseOf(layer);
    if (base.visible && ToPixels(base.extent, twipsPerPixel).Contains(px, py)) return &layer;
  }
  return nullptr;
}

}  // namespace runtime
