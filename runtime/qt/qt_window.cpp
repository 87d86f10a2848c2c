// Opening, dressing and showing the window.
#include "qt_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "fonts.h"
#include "x11_taskbar.h"

namespace runtime::qt {

namespace {

Qt::WindowFlags FlagsFor(const FormSettings& s) {
  if (s.borderStyle == 0) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (s.borderStyle == 4 || s.borderStyle == 5) flags |= Qt::Tool;  // tool windows
  if (s.HasMaximizeBox()) flags |= Qt::WindowMaximizeButtonHint;
  if (s.HasMinimizeBox()) flags |= Qt::WindowMinimizeButtonHint;
  if (!s.Resizable()) flags |= Qt::MSWindowsFixedSizeDialogHint;
  return flags;
}

// Centres the window, frame and all, on the screen (the window has no
// owner to centre on).
void Centre(QWidget* w) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, w->frameGeometry().size(),
                                           screen->availableGeometry());
  w->move(placed.topLeft());
}

}  // namespace

double TwipsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

std::variant<std::unique_ptr<QtWindow>, RuntimeError> Wrap(
    std::variant<std::unique_ptr<WindowInstance>, RuntimeError> opened) {
  if (auto* error = std::get_if<RuntimeError>(&opened)) return *error;
  return std::make_unique<QtWindow>(std::move(std::get<std::unique_ptr<WindowInstance>>(opened)));
}

QtWindow::QtWindow(std::unique_ptr<WindowInstance> instance) : instance_(std::move(instance)) {
  const FormSettings& s = instance_->model().settings;
  std::vector<FontSpec> fonts;
  for (const Layer& layer : instance_->model().stacking) {
    if (auto* b = std::get_if<ButtonControl*>(&layer)) fonts.push_back((*b)->font);
    if (auto* l = std::get_if<LabelControl*>(&layer)) fonts.push_back((*l)->font);
  }
  WarmFonts(std::move(fonts));
  const double scale = TwipsPerPixel();
  widget_ = new FormWidget(*instance_, scale);
  widget_->setWindowFlags(FlagsFor(s));
  widget_->setWindowTitle(QString::fromStdString(s.caption));
  const QSize client(TwipsToPixels(s.client.width, scale), TwipsToPixels(s.client.height, scale));
  if (s.Resizable())
    widget_->resize(client);
  else
    widget_->setFixedSize(client);
}

QtWindow::~QtWindow() { delete widget_.data(); }

void QtWindow::Show() {
  FormWidget* w = widget_;
  const FormSettings& s = instance_->model().settings;
  const double scale = widget_->twipsPerPixel();
  w->winId();  // the native window, before it is mapped: its frame is known now where the platform knows it
  const bool centred = s.startUpPosition == 1 || s.startUpPosition == 2;
  if (centred) {
    Centre(w);
  } else if (s.startUpPosition == 0) {
    w->move(TwipsToPixels(s.client.left, scale), TwipsToPixels(s.client.top, scale));
  }
  if (!s.showInTaskbar) SkipTaskbar(w);
  // The focus goes to the control that takes it with the lowest tab index.
  CommandButton* first = nullptr;
  int firstTab = 0;
  for (const Layer& layer : instance_->model().stacking)
    if (auto* b = std::get_if<ButtonControl*>(&layer); b && (*b)->base.visible)
      if (first == nullptr || (*b)->base.tabIndex < firstTab) {
        first = Button((*b)->base.id);
        firstTab = (*b)->base.tabIndex;
      }
  if (first) first->setFocus(Qt::OtherFocusReason);
  ReportInMessageBox(w);
  w->show();
  if (centred && w->frameGeometry().size() != w->size()) Centre(w);  // the frame is known once shown
  w->activateWindow();  // without a window manager nothing else activates it
}

void ReportInMessageBox(QWidget* window) {
  QPointer<QWidget> owner(window);
  SetErrorReporter([owner](const RuntimeError& error) {
    const QString title = owner ? owner->windowTitle() : QCoreApplication::applicationName();
    QMessageBox box(QMessageBox::Critical, title, QString::fromStdString(error.Message()), QMessageBox::Ok,
                    owner.data());
    box.exec();
  });
}

}  // namespace runtime::qt
