// Frame clock and process figures.
#include "frame_clock.h"

#include <QEvent>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

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

void FrameClockApp::WaitForFrame(int count) {
  while (frames_ <= count) processEvents(QEventLoop::AllEvents);
}

}  // namespace bench
