// The benchmark driver around the program's own libraries: opens Form1
// from the embedded description as the start routine does, and reports
// the time to its first complete frame, the time from each press of the
// button to the repainted frame, and the peak resident memory.
//   bench_window PRESSES
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "control_ids.h"
#include "form1_header.h"
#include "frame_clock.h"
#include "form_window.h"

namespace {

void Press(QWidget* button) {
  const QPointF at(button->width() / 2.0, button->height() / 2.0);
  const QPointF global = button->mapToGlobal(at);
  QMouseEvent down(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent up(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(button, &down);
  QCoreApplication::sendEvent(button, &up);
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::atoi(argv[1]) : 20;
  static int qtArgc = 1;
  static char name[] = "bench_window";
  static char* qtArgv[] = {name, nullptr};
  // As the start routine does: the window's pictures decode while the
  // application starts.
  auto opening = runtime::qt::BeginOpening(tarvel::ProgramHeader());
  bench::FrameClockApp app(qtArgc, qtArgv);
  if (auto* error = std::get_if<runtime::RuntimeError>(&opening)) {
    std::fprintf(stderr, "%s\n", error->what());
    return 1;
  }
  auto window = std::make_unique<runtime::qt::FormWindow>(std::move(std::get<runtime::qt::OpeningWindow>(opening)));
  QWidget* button = window->Button(tarvel::kCommand1Id);
  app.Watch(window.get());
  app.Watch(button);
  window->Show();
  app.WaitForFrame(0);
  const double firstFrameMs = static_cast<double>(app.lastFrame() - bench::ProcessStart()) / 1e6;
  const long rssFirst = bench::PeakRssKb();

  std::vector<double> pressMs;
  for (int i = 0; i < presses; ++i) {
    const int frames = app.frames();
    const std::int64_t t0 = bench::Now();
    Press(button);
    app.WaitForFrame(frames);
    pressMs.push_back(static_cast<double>(app.lastFrame() - t0) / 1e6);
  }
  std::sort(pressMs.begin(), pressMs.end());
  const double pressMedian = pressMs.empty() ? 0.0 : pressMs[pressMs.size() / 2];
  const double pressMax = pressMs.empty() ? 0.0 : pressMs.back();
  std::printf("first_frame_ms=%.3f rss_first_kb=%ld press_median_ms=%.3f press_max_ms=%.3f rss_end_kb=%ld\n",
              firstFrameMs, rssFirst, pressMedian, pressMax, bench::PeakRssKb());
  return 0;
}
