// The start routine on Qt: makes the application (with no command line of
// the program's: Qt gets only a name), opens and shows the program's
// window, runs the event loop and ends the program when the window closes.
// A window that cannot be opened is reported and the program exits with 1.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "qt_window.h"
#include "start.h"

namespace vb {

std::variant<std::unique_ptr<qt::QtWindow>, RuntimeError> qt::QtWindow::Open(const ProgramHeader& program) {
  return Wrap(OpenWindow(program));
}

[[noreturn]] void Start(const ProgramHeader& program) {
  static int argc = 1;
  static char name[] = "tarvel";
  static char* argv[] = {name, nullptr};
  int code = 0;
  {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(true);
    auto opened = qt::QtWindow::Open(program);
    if (auto* error = std::get_if<RuntimeError>(&opened)) {
      std::fprintf(stderr, "%s\n", error->what());
      qt::ReportInMessageBox(nullptr);
      ReportError(*error);
      std::exit(1);
    }
    auto window = std::move(std::get<std::unique_ptr<qt::QtWindow>>(opened));
    window->Show();
    code = app.exec();
    SetErrorReporter(nullptr);
  }
  std::exit(code);
}

}  // namespace vb
