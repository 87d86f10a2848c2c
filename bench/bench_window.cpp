// The benchmark driver around the program's own libraries: opens Form1
// from the embedded description as the start routine does, and reports
// the time to its first complete frame, the time from each press of the
// button to the repainted frame (pressed right away, and again once the
// window has settled), and the peak resident memory.
//   bench_window PRESSES
#include <QElapsedTimer>
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
  auto opened = opening.get();
  if (auto* error = std::get_if<runtime::RuntimeError>(&opened)) {
    std::fprintf(stderr, "%s\n", error->what());
    return 1;
  }
  auto window = std::make_unique<runtime::qt::FormWindow>(std::move(std::get<runtime::qt::OpenedWindow>(opened)));
  QWidget* button = window->Button(tarvel::kCommand1Id);
  app.Watch(window.get());
  app.Watch(button);
  window->Show();
  app.WaitForFrame(0);
  const double firstFrameMs = static_cast<double>(app.lastFrame() - bench::ProcessStart()) / 1e6;
  const long rssFirst = bench::PeakRssKb();

  // Presses right after the first frame, while the hidden cards still
  // decode in the background, and again once the window has settled, as
  // when a person comes to press it.
  auto pressTimes = [&] {
    std::vector<double> ms;
    for (int i = 0; i < presses; ++i) {
      const int frames = app.frames();
      const std::int64_t t0 = bench::Now();
      Press(button);
      app.WaitForFrame(frames);
      ms.push_back(static_cast<double>(app.lastFrame() - t0) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
  };
  const std::vector<double> early = pressTimes();
  QElapsedTimer settling;
  settling.start();
  while (settling.elapsed() < 300) app.processEvents(QEventLoop::AllEvents, 10);
  const std::vector<double> settled = pressTimes();
  auto median = [](const std::vector<double>& ms) { return ms.empty() ? 0.0 : ms[ms.size() / 2]; };
  auto slowest = [](const std::vector<double>& ms) { return ms.empty() ? 0.0 : ms.back(); };
  std::printf("first_frame_ms=%.3f rss_first_kb=%ld press_median_ms=%.3f press_max_ms=%.3f "
              "settled_press_median_ms=%.3f settled_press_max_ms=%.3f rss_end_kb=%ld\n",
              firstFrameMs, rssFirst, median(early), slowest(early), median(settled), slowest(settled),
              bench::PeakRssKb());
  return 0;
}
