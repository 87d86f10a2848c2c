// A command button on Qt: a child widget of the window that hands its
// mouse, key and focus events to the window presenter and paints its face
// through it. It takes the focus (Tab leaves it there) and is neither a
// default nor a cancel button.
#pragma once

#include <QWidget>

#include "window_presenter.h"

namespace runtime::qt {

class FormWindow;

class ButtonWindow final : public QWidget {
 public:
  ButtonWindow(FormWindow& form, const ButtonControl& control);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  FormWindow& form_;
  WindowPresenter& presenter_;
  int id_;
};

}  // namespace runtime::qt
