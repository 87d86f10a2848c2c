// The window's client area: paints the background, then the labels and
// images bottom first in stacking order, holds the command buttons as child
// widgets above them, and turns clicks into the window's events. A picture
// that cannot be decoded is left out and reported once, after the paint.
#pragma once

#include <QWidget>
#include <map>

#include "com.h"

#include "command_button.h"
#include "window_instance.h"

namespace runtime::qt {

class FormWidget final : public QWidget {
 public:
  FormWidget(WindowInstance& instance, double twipsPerPixel);

  CommandButton* Button(int id) const;
  double twipsPerPixel() const { return twipsPerPixel_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void PaintLabel(QPainter& p, const LabelControl& label) const;
  void PaintImage(QPainter& p, const ImageControl& image);
  void ReportUndecodable();

  WindowInstance& instance_;
  double twipsPerPixel_;
  QColor background_;
  std::map<int, CommandButton*> buttons_;
  mutable std::map<const LabelControl*, QFont> labelFonts_;  // made at the first paint
  std::map<const Picture*, Ref<Picture>> undecodable_;  // reported once each, held so none is mistaken for another
  bool reportPending_ = false;
  const Layer* pressedOn_ = nullptr;
  bool pressed_ = false;
};

}  // namespace runtime::qt
