// The benchmarks' clock of frames: an application that notes when a frame
// is complete, i.e. when the outermost event during which a watched widget
// painted has been handled (painting and the flush to the screen happen
// within it), and the times against the launcher's start of the process.
#pragma once

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <set>

namespace bench {

// Monotonic nanoseconds, the launcher's clock.
std::int64_t Now();
// The launcher's time of starting this process, from its environment.
std::int64_t ProcessStart();
// Peak resident memory of this process so far, in kilobytes.
long PeakRssKb();

class FrameClockApp;

// What a bare baseline does: shows window at Form1's client size, waits
// for its first complete frame and prints "first_frame_ms=... rss_first_kb=...".
void ShowBaseline(FrameClockApp& app, QWidget& window);

class FrameClockApp final : public QApplication {
 public:
  FrameClockApp(int& argc, char** argv) : QApplication(argc, argv) {}

  // Frames count once every one of these widgets has painted.
  void Watch(QWidget* widget) { watched_.insert(widget); }
  int frames() const { return frames_; }
  std::int64_t lastFrame() const { return lastFrame_; }
  // Handles events until the frame count passes `count`.
  void WaitForFrame(int count);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::set<QObject*> watched_;
  std::set<QObject*> painted_;
  bool paintedThisEvent_ = false;
  int depth_ = 0;
  int frames_ = 0;
  std::int64_t lastFrame_ = 0;
};

}  // namespace bench
