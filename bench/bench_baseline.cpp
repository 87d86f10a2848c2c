// The baseline: a bare Qt window of the same size showing the same greeting
// picture stretched over it, in the plainest way (a label scaling its
// pixmap), and the same figures as the driver.
#include <QLabel>
#include <QPixmap>
#include <cstdio>

#include "description.h"
#include "form1_design.h"
#include "frame_clock.h"
#include "window_model.h"
#include "windows_table.h"

namespace {

// The greeting picture's file inside the embedded description.
std::span<const std::uint8_t> Greeting() {
  const runtime::WindowEntry& entry = tarvel::kWindows[0];
  static auto read = runtime::ReadDescription({entry.stream, entry.length});
  if (auto* d = std::get_if<runtime::Description>(&read))
    for (const runtime::Record& r : d->children)
      if (r.name == "Image4")
        if (const runtime::Property* p = r.Find(runtime::Prop::Picture))
          return std::get<std::span<const std::uint8_t>>(p->value);
  return {};
}

}  // namespace

int main() {
  static int qtArgc = 1;
  static char name[] = "bench_baseline";
  static char* qtArgv[] = {name, nullptr};
  bench::FrameClockApp app(qtArgc, qtArgv);
  const auto file = Greeting();
  QPixmap picture;
  picture.loadFromData(file.data(), static_cast<uint>(file.size()));
  QLabel window;
  const runtime::PixelRect client = runtime::ToPixels(tarvel::ClientArea(tarvel::Form1Design()), 15.0);
  window.setFixedSize(client.width, client.height);
  window.setScaledContents(true);
  window.setPixmap(picture);
  app.Watch(&window);
  window.show();
  app.WaitForFrame(0);
  const double firstFrameMs = static_cast<double>(app.lastFrame() - bench::ProcessStart()) / 1e6;
  std::printf("first_frame_ms=%.3f rss_first_kb=%ld\n", firstFrameMs, bench::PeakRssKb());
  return 0;
}
