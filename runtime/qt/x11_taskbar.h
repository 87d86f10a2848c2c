// Keeping a window off the taskbar on X11: no window flag of Qt says so,
// so the window's _NET_WM_STATE gets _NET_WM_STATE_SKIP_TASKBAR through
// xcb, after the native window exists and before it is mapped. Does
// nothing on other platforms.
#pragma once

#include <QWidget>

namespace runtime::qt {

void SkipTaskbar(QWidget* window);

}  // namespace runtime::qt
