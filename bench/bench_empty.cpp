// The floor: an empty Qt window of the window's client size, with the same
// frame clock and figures as the driver. Its start-up is all toolkit.
#include <QWidget>
#include <cstdio>

#include "form1_design.h"
#include "frame_clock.h"
#include "window_model.h"

int main() {
  static int qtArgc = 1;
  static char name[] = "bench_empty";
  static char* qtArgv[] = {name, nullptr};
  bench::FrameClockApp app(qtArgc, qtArgv);
  QWidget window;
  const runtime::PixelRect client = runtime::ToPixels(tarvel::ClientArea(tarvel::Form1Design()), 15.0);
  window.setFixedSize(client.width, client.height);
  app.Watch(&window);
  window.show();
  app.WaitForFrame(0);
  const double firstFrameMs = static_cast<double>(app.lastFrame() - bench::ProcessStart()) / 1e6;
  std::printf("first_frame_ms=%.3f rss_first_kb=%ld\n", firstFrameMs, bench::PeakRssKb());
  return 0;
}
