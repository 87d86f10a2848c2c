// The floor: an empty Qt window of the window's client size, with the same
// frame clock and figures as the driver. Its start-up is all toolkit.
#include <QWidget>

#include "frame_clock.h"

int main() {
  static int qtArgc = 1;
  static char name[] = "bench_empty";
  static char* qtArgv[] = {name, nullptr};
  bench::FrameClockApp app(qtArgc, qtArgv);
  QWidget window;
  bench::ShowBaseline(app, window);
  return 0;
}
