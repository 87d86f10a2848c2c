// The start routine on Qt: makes the application (with no command line of
// the program's: Qt gets only a name), opens and shows the program's
// window, runs the event loop and ends the program when the window closes.
// A window that cannot be opened is reported and the program exits with 1,
// and so does a start where there is no display to open it on.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form_window.h"
#include "start.h"

namespace runtime {

namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// The variable naming the display that a platform of Qt's connects to, or
// null for a platform that needs none (offscreen, say).
const char* DisplayVariable(std::string_view platform) {
  if (platform == "xcb") return "DISPLAY";
  if (platform.starts_with("wayland")) return "WAYLAND_DISPLAY";
  return nullptr;
}

// Why the window cannot be shown here, or empty. Qt's desktop platforms
// connect to the display that the environment names, and without one Qt
// aborts the program; so a start over a plain remote shell is told apart
// first. QT_QPA_PLATFORM may name the platforms to try, in turn; without
// it Qt tries X11 and Wayland.
std::string NoDisplay() {
  const char* asked = std::getenv("QT_QPA_PLATFORM");
  std::string_view platforms = asked != nullptr && *asked != '\0' ? asked : "xcb;wayland";
  std::string missing;
  std::size_t count = 0;
  while (!platforms.empty()) {
    const std::size_t end = platforms.find(';');
    const std::string_view entry = platforms.substr(0, end);
    const char* variable = DisplayVariable(entry.substr(0, entry.find(':')));
    if (variable == nullptr || IsSet(variable)) return {};
    if (count++ > 0) missing += " and ";
    missing += variable;
    platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
  }
  return missing + (count > 1 ? " are not set" : " is not set");
}

}  // namespace

[[noreturn]] void Start(const ProgramHeader& program) {
  static int argc = 1;
  static char name[] = "tarvel";
  static char* argv[] = {name, nullptr};
  if (const std::string why = NoDisplay(); !why.empty()) {
    std::fprintf(stderr, "%s: there is no display to open the window on (%s)\n", name, why.c_str());
    std::exit(1);
  }
  int code = 0;
  {
    // The window's pictures decode, and the font configuration loads,
    // while the application starts.
    auto opening = qt::BeginOpening(program);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(true);
    auto opened = opening.get();
    if (auto* error = std::get_if<RuntimeError>(&opened)) {
      std::fprintf(stderr, "%s\n", error->what());
      QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                      QString::fromStdString(error->Message()), QMessageBox::Ok);
      box.exec();
      std::exit(1);
    }
    auto window = std::make_unique<qt::FormWindow>(std::move(std::get<qt::OpenedWindow>(opened)));
    window->Show();
    code = app.exec();
    SetErrorReporter(nullptr);
  }
  std::exit(code);
}

}  // namespace runtime
