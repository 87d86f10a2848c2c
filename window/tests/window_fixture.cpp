// The fixture's window, opened from Form1's records.
#include "window_fixture.h"

#include <QPainter>
#include <QTest>

#include "control_ids.h"
#include "form1_design.h"
#include "form1_header.h"
#include "windows_table.h"
#include "pictures.h"

namespace tarvel::testing {

QRect Designed(std::string_view name, std::optional<std::int16_t> index) {
  const runtime::PixelRect r = runtime::ToPixels(Placed(Form1Design(), name, index), 15.0);
  return QRect(r.x, r.y, r.width, r.height);
}

runtime::WindowHeader Form1Window::Form1Entry() { return Form1Header(&kWindows[0]); }

std::variant<std::unique_ptr<runtime::qt::FormWindow>, runtime::RuntimeError> Form1Window::TryOpen(
    const runtime::WindowHeader& header) {
  const runtime::ProgramHeader program{nullptr, std::span<const runtime::WindowHeader>(&header, 1)};
  return runtime::qt::FormWindow::Open(program);
}

void Form1Window::SetUp() {
  auto source = std::make_unique<ScriptedRandom>(std::vector<double>{0.35});
  random_ = source.get();
  runtime::SetRandomSource(std::move(source));
  Open(Form1Entry());
}

void Form1Window::Open(const runtime::WindowHeader& header) {
  window_.reset();
  auto opened = TryOpen(header);
  if (auto* error = std::get_if<runtime::RuntimeError>(&opened)) FAIL() << error->what();
  window_ = std::move(std::get<std::unique_ptr<runtime::qt::FormWindow>>(opened));
  window_->Show();
  runtime::SetErrorReporter([this](const runtime::RuntimeError& e) { reported_.push_back(e); });
  ASSERT_TRUE(QTest::qWaitForWindowExposed(widget()));
  ASSERT_TRUE(QTest::qWaitForWindowActive(widget()));
}

void Form1Window::TearDown() {
  window_.reset();
  runtime::SetErrorReporter(nullptr);
  runtime::SetRandomSource(nullptr);
}

runtime::qt::ButtonWindow* Form1Window::button() const { return window_->Button(kCommand1Id); }

runtime::ImageControl* Form1Window::Member(std::int16_t index) const {
  for (const runtime::Layer& layer : window_->instance().model().stacking)
    if (auto* image = std::get_if<runtime::ImageControl*>(&layer))
      if ((*image)->base.id == kImage2Id && (*image)->base.index == index) return *image;
  return nullptr;
}

runtime::ImageControl* Form1Window::Single(int id) const { return dynamic_cast<runtime::ImageControl*>(form().Control(id)); }

QImage Form1Window::Grab() const { return widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage Form1Window::PictureOver(const QImage& under, const QRect& frame, const runtime::Picture& picture) {
  QImage region = under.copy(frame).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&region);
  p.drawImage(0, 0, runtime::qt::ScalePicture(picture.File(), frame.size()));
  p.end();
  return region.convertToFormat(QImage::Format_RGB32);
}

QImage Form1Window::SlotWithCard(const QImage& before, std::int16_t card) const {
  return PictureOver(before, kSlot, *Member(card)->picture());
}

}  // namespace tarvel::testing
