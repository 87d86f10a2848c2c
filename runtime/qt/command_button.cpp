// The command button's look and input.
#include "command_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "colours.h"
#include "fonts.h"

namespace runtime::qt {

namespace {

// The classic 3-D edge colours.
const QColor kHighlight(255, 255, 255);
const QColor kLight(227, 227, 227);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);

void Line(QPainter& p, int x0, int y0, int x1, int y1, const QColor& c) {
  p.setPen(c);
  p.drawLine(x0, y0, x1, y1);
}

}  // namespace

CommandButton::CommandButton(const ButtonControl& control, double twipsPerPixel, QWidget* parent)
    : QWidget(parent),
      caption_(QString::fromStdString(control.caption)),
      face_(ToQColor(control.style == 1 ? control.backColor : kSysButtonFace)),
      text_(ToQColor(control.foreColor)),
      fontSpec_(control.font),
      graphical_(control.style == 1) {
  const PixelRect r = ToPixels(control.base.extent, twipsPerPixel);
  setGeometry(r.x, r.y, r.width, r.height);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setVisible(control.base.visible);
}

bool CommandButton::event(QEvent* e) {
  // Tab and Shift+Tab leave the focus here: the focus does not move from
  // button to button (nor does it on Win32), which is right for a window
  // whose one button is its only control that takes the focus.
  if (e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      e->accept();
      return true;
    }
  }
  return QWidget::event(e);
}

void CommandButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  p.fillRect(rect(), face_);
  if (down_) {
    // Pressed: a dark frame with a shadow line inside it, flat face.
    p.setPen(kDarkShadow);
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(kShadow);
    p.drawRect(1, 1, w - 3, h - 3);
  } else {
    // Raised: light top-left, dark bottom-right, two lines deep.
    Line(p, 0, 0, w - 2, 0, kHighlight);
    Line(p, 0, 0, 0, h - 2, kHighlight);
    Line(p, 0, h - 1, w - 1, h - 1, kDarkShadow);
    Line(p, w - 1, 0, w - 1, h - 1, kDarkShadow);
    Line(p, 1, 1, w - 3, 1, kLight);
    Line(p, 1, 1, 1, h - 3, kLight);
    Line(p, 1, h - 2, w - 2, h - 2, kShadow);
    Line(p, w - 2, 1, w - 2, h - 2, kShadow);
  }
  const int shift = down_ ? 1 : 0;
  QRect text = rect().adjusted(4 + shift, 4 + shift, -4 + shift, -4 + shift);
  if (!font_) font_ = MakeFont(fontSpec_);
  p.setFont(*font_);
  p.setPen(text_);
  p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  if (hasFocus()) {
    QPen dots(QColor(0, 0, 0), 1, Qt::DotLine);
    p.setPen(dots);
    p.drawRect(QRect(4 + shift, 4 + shift, w - 9, h - 9));
  }
}

void CommandButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  update();
}

void CommandButton::Click() {
  if (onClick_) onClick_();
}

void CommandButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  mouseHeld_ = true;
  SetDown(true);
}

void CommandButton::mouseMoveEvent(QMouseEvent* e) {
  if (mouseHeld_) SetDown(rect().contains(e->position().toPoint()));
}

void CommandButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !mouseHeld_) return;
  mouseHeld_ = false;
  const bool inside = rect().contains(e->position().toPoint());
  SetDown(spaceHeld_);
  if (inside) Click();
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space:
      if (!e->isAutoRepeat()) {
        spaceHeld_ = true;
        SetDown(true);
      }
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!e->isAutoRepeat()) Click();
      return;
    default:
      QWidget::keyPressEvent(e);
  }
}

void CommandButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && spaceHeld_) {
    spaceHeld_ = false;
    SetDown(mouseHeld_);
    Click();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void CommandButton::focusOutEvent(QFocusEvent* e) {
  spaceHeld_ = false;
  if (!mouseHeld_) SetDown(false);
  QWidget::focusOutEvent(e);
}

}  // namespace runtime::qt
