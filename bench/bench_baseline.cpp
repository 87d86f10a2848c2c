// The baseline: a bare Qt window of the same size showing the same greeting
// picture stretched over it, in the plainest way (a label scaling its
// pixmap), and the same figures as the driver.
#include <QLabel>
#include <QPixmap>

#include "description.h"
#include "frame_clock.h"
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
  window.setScaledContents(true);
  window.setPixmap(picture);
  bench::ShowBaseline(app, window);
  return 0;
}
