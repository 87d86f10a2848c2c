// Frame clock and process figures.
#include "frame_clock.h"

#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

#include "form1_design.h"
#include "window_model.h"

namespace bench {

std::int64_t Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::int64_t ProcessStart() {
  const char* start = std::getenv("TARVEL_BENCH_START_NS");
  return start ? std::atoll(start) : Now();
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

bool FrameClockApp::notify(QObject* receiver, QEvent* event) {
  ++depth_;
  const bool result = QApplication::notify(receiver, event);
  --depth_;
  if (event->type() == QEvent::Paint && watched_.count(receiver)) {
    painted_.insert(receiver);
    paintedThisEvent_ = true;
  }
  if (depth_ == 0 && paintedThisEvent_) {
    paintedThisEvent_ = false;
    if (painted_.size() == watched_.size()) {
      ++frames_;
      lastFrame_ = Now();
    }
  }
  return result;
}

void ShowBaseline(FrameClockApp& app, QWidget& window) {
  const runtime::PixelRect client = runtime::ToPixels(tarvel::ClientArea(tarvel::Form1Design()), 15.0);
  window.setFixedSize(client.width, client.height);
  app.Watch(&window);
  window.show();
  app.WaitForFrame(0);
  const double firstFrameMs = static_cast<double>(app.lastFrame() - ProcessStart()) / 1e6;
  std::printf("first_frame_ms=%.3f rss_first_kb=%ld\n", firstFrameMs, PeakRssKb());
}

void FrameClockApp::WaitForFrame(int count) {
  while (frames_ <= count) processEvents(QEventLoop::AllEvents);
}

}  // namespace bench
