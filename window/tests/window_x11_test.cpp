// Form1 on a real X server (run under Xvfb): the window manager hints that
// only X11 carries: no taskbar button, and a fixed size.
#include <QGuiApplication>
#include <algorithm>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

#include "window_fixture.h"

namespace tarvel::testing {
namespace {

xcb_connection_t* Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(const char* name) {
  auto cookie = xcb_intern_atom(Connection(), 1, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(Connection(), cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// The 32-bit values of a property of the window.
std::vector<std::uint32_t> Property(QWidget* window, xcb_atom_t property, xcb_atom_t type) {
  auto cookie = xcb_get_property(Connection(), 0, static_cast<xcb_window_t>(window->winId()), property, type, 0, 64);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(Connection(), cookie, nullptr);
  std::vector<std::uint32_t> values;
  if (reply && reply->format == 32) {
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

TEST_F(Form1Window, HasNoTaskbarButtonAndAFixedSizeOnX11) {
  ASSERT_NE(Connection(), nullptr) << "not on X11";
  const auto states = Property(widget(), Atom("_NET_WM_STATE"), XCB_ATOM_ATOM);
  const xcb_atom_t skip = Atom("_NET_WM_STATE_SKIP_TASKBAR");
  ASSERT_NE(skip, XCB_ATOM_NONE);
  EXPECT_NE(std::find(states.begin(), states.end(), skip), states.end());

  // WM_NORMAL_HINTS: flags, 4 unused, min width and height, max width and height.
  const auto hints = Property(widget(), XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS);
  ASSERT_GE(hints.size(), 9u);
  constexpr std::uint32_t kMinSize = 16, kMaxSize = 32;
  EXPECT_EQ(hints[0] & (kMinSize | kMaxSize), kMinSize | kMaxSize);
  EXPECT_EQ(hints[5], 841u);
  EXPECT_EQ(hints[6], 393u);
  EXPECT_EQ(hints[7], 841u);
  EXPECT_EQ(hints[8], 393u);

  // And a press draws there as well.
  QTest::keyClick(button(), Qt::Key_Space);
  EXPECT_EQ(form().DrawnIndex, 7);
  EXPECT_EQ(Member(20)->picture(), Member(7)->picture());
}

}  // namespace
}  // namespace tarvel::testing
