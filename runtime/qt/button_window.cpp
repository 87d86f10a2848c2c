// The command button's events, handed to the presenter.
#include "button_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "form_window.h"

namespace runtime::qt {

namespace {

ButtonKey KeyOf(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space: return ButtonKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ButtonKey::Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return ButtonKey::Tab;
    default: return ButtonKey::Other;
  }
}

}  // namespace

ButtonWindow::ButtonWindow(FormWindow& form, const ButtonControl& control)
    : QWidget(&form), form_(form), presenter_(form.presenter()), id_(control.base.id) {
  setGeometry(ToQRect(presenter_.Pixels(control.base.extent)));
  setFocusPolicy(Qt::StrongFocus);
  // Not marked as painting all of its pixels, though it does: the window
  // beneath then paints one plain rectangle, which Qt draws much faster at
  // the first frame than the window with the button cut out of it.
  setVisible(control.base.visible);
}

bool ButtonWindow::event(QEvent* e) {
  // Qt would move the focus on Tab before the key reaches keyPressEvent.
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (KeyOf(key) == ButtonKey::Tab && presenter_.ButtonKeyDown(id_, ButtonKey::Tab, key->isAutoRepeat())) {
      e->accept();
      return true;
    }
  }
  return QWidget::event(e);
}

void ButtonWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  form_.PaintButton(id_, painter);
}

void ButtonWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  presenter_.ButtonMouseDown(id_);
}

void ButtonWindow::mouseMoveEvent(QMouseEvent* e) {
  presenter_.ButtonMouseMove(id_, rect().contains(e->position().toPoint()));
}

void ButtonWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) presenter_.ButtonMouseUp(id_, rect().contains(e->position().toPoint()));
}

void ButtonWindow::keyPressEvent(QKeyEvent* e) {
  if (!presenter_.ButtonKeyDown(id_, KeyOf(e), e->isAutoRepeat())) QWidget::keyPressEvent(e);
}

void ButtonWindow::keyReleaseEvent(QKeyEvent* e) {
  if (!presenter_.ButtonKeyUp(id_, KeyOf(e), e->isAutoRepeat())) QWidget::keyReleaseEvent(e);
}

void ButtonWindow::focusInEvent(QFocusEvent* e) {
  presenter_.ButtonFocus(id_, true);
  QWidget::focusInEvent(e);
}

void ButtonWindow::focusOutEvent(QFocusEvent* e) {
  presenter_.ButtonFocus(id_, false);
  QWidget::focusOutEvent(e);
}

}  // namespace runtime::qt
