// The command button: a widget of its own kind that paints its face in its
// own BackColor exactly (graphical style), with a classic raised edge, a
// pressed look and a focus rectangle. A mouse click, Space or Enter presses
// it once; it is neither a default nor a cancel button, and Tab and
// Shift+Tab leave the focus on it.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>

#include "window_model.h"

namespace runtime::qt {

class CommandButton final : public QWidget {
 public:
  CommandButton(const ButtonControl& control, double twipsPerPixel, QWidget* parent);

  // Called once for each press.
  void SetOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void SetDown(bool down);
  void Click();

  QString caption_;
  QColor face_;
  QColor text_;
  FontSpec fontSpec_;
  std::optional<QFont> font_;  // made at the first paint
  bool graphical_;
  bool down_ = false;
  bool mouseHeld_ = false;
  bool spaceHeld_ = false;
  std::function<void()> onClick_;
};

}  // namespace runtime::qt
