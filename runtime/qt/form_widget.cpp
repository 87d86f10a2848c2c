// Painting and input of the client area.
#include "form_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "colours.h"
#include "fonts.h"
#include "pictures.h"

namespace runtime::qt {

namespace {

QRect ToQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace

FormWidget::FormWidget(WindowInstance& instance, double twipsPerPixel)
    : instance_(instance),
      twipsPerPixel_(twipsPerPixel),
      background_(ToQColor(instance.model().settings.backColor)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  const auto& stacking = instance.model().stacking;
  // Child widgets stack in creation order, the last on top: make them from
  // the bottom of the stacking up.
  for (auto layer = stacking.rbegin(); layer != stacking.rend(); ++layer) {
    if (auto* button = std::get_if<ButtonControl*>(&*layer)) {
      auto* widget = new CommandButton(**button, twipsPerPixel, this);
      const int id = (*button)->base.id;
      widget->SetOnClick([this, id] { instance_.ClickButton(id); });
      buttons_[id] = widget;
    } else if (auto* image = std::get_if<ImageControl*>(&*layer)) {
      (*image)->SetListener([this](const Extent& area) { update(ToQRect(ToPixels(area, twipsPerPixel_))); });
      // The pictures of the first frame start decoding now, side by side.
      if ((*image)->base.visible && (*image)->picture())
        Prefetch(*(*image)->picture(),
                 (*image)->stretch ? ToQRect(ToPixels((*image)->base.extent, twipsPerPixel_)).size() : QSize());
    }
  }
}

CommandButton* FormWidget::Button(int id) const {
  const auto found = buttons_.find(id);
  return found == buttons_.end() ? nullptr : found->second;
}

void FormWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.setClipRegion(e->region());
  p.fillRect(e->rect(), background_);
  const auto& stacking = instance_.model().stacking;
  for (auto layer = stacking.rbegin(); layer != stacking.rend(); ++layer) {
    const ControlBase& base = BaseOf(*layer);
    if (!base.visible) continue;
    if (!e->region().intersects(ToQRect(ToPixels(base.extent, twipsPerPixel_)))) continue;
    if (auto* label = std::get_if<LabelControl*>(&*layer)) PaintLabel(p, **label);
    if (auto* image = std::get_if<ImageControl*>(&*layer)) PaintImage(p, **image);
  }
  // The report may open a message box: not from within the paint.
  if (reportPending_) QMetaObject::invokeMethod(this, &FormWidget::ReportUndecodable, Qt::QueuedConnection);
}

void FormWidget::PaintLabel(QPainter& p, const LabelControl& label) const {
  const QRect frame = ToQRect(ToPixels(label.base.extent, twipsPerPixel_));
  p.save();
  p.setClipRect(frame, Qt::IntersectClip);
  if (label.backStyle != 0) p.fillRect(frame, ToQColor(label.backColor));
  p.setPen(ToQColor(label.foreColor));
  auto font = labelFonts_.find(&label);
  if (font == labelFonts_.end()) font = labelFonts_.emplace(&label, MakeFont(label.font)).first;
  p.setFont(font->second);
  p.drawText(frame, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(label.caption));
  p.restore();
}

void FormWidget::PaintImage(QPainter& p, const ImageControl& image) {
  Picture* picture = image.picture();
  if (picture == nullptr || undecodable_.count(picture) != 0) return;
  const QRect frame = ToQRect(ToPixels(image.base.extent, twipsPerPixel_));
  const QImage shown = ShownPicture(*picture, image.stretch ? frame.size() : QSize());
  if (shown.isNull()) {
    undecodable_.emplace(picture, Ref<Picture>::Share(picture));
    reportPending_ = true;
    return;
  }
  p.save();
  p.setClipRect(frame, Qt::IntersectClip);
  p.drawImage(frame.topLeft(), shown);
  p.restore();
}

void FormWidget::ReportUndecodable() {
  if (!reportPending_) return;
  reportPending_ = false;
  ReportError(RuntimeError(kErrInvalidFileFormat, "a picture cannot be decoded"));
}

void FormWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint at = e->position().toPoint();
  pressed_ = true;
  pressedOn_ = WindowlessAt(instance_.model(), at.x(), at.y(), twipsPerPixel_);
}

void FormWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  const QPoint at = e->position().toPoint();
  if (!rect().contains(at)) return;
  if (WindowlessAt(instance_.model(), at.x(), at.y(), twipsPerPixel_) != pressedOn_) return;
  instance_.ClickAt(at.x(), at.y(), twipsPerPixel_);
}

}  // namespace runtime::qt
