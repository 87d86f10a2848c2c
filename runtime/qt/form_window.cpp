// The window on Qt: dressing, placing and showing it, and handing its
// paints and clicks to the presenter.
#include "form_window.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QThread>

#include "fonts.h"
#include "pictures.h"
#include "x11_taskbar.h"

namespace runtime::qt {

namespace {

Qt::WindowFlags FlagsFor(const FormSettings& s) {
  if (!s.HasFrame()) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (s.IsToolWindow()) flags |= Qt::Tool;
  if (s.HasMaximizeBox()) flags |= Qt::WindowMaximizeButtonHint;
  if (s.HasMinimizeBox()) flags |= Qt::WindowMinimizeButtonHint;
  if (!s.Resizable()) flags |= Qt::MSWindowsFixedSizeDialogHint;
  return flags;
}

PixelRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

double TwipsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

OpeningWindow BeginOpening(const ProgramHeader& program) {
  // Qt takes the first thread that asks for its own for the main thread:
  // this one, before the workers use Qt's images.
  (void)QThread::currentThread();
  LoadFontConfiguration();
  return std::async(std::launch::async, [program]() -> std::variant<OpenedWindow, RuntimeError> {
    auto opened = OpenWindow(program);
    if (auto* error = std::get_if<RuntimeError>(&opened)) return *error;
    OpenedWindow window{std::move(std::get<std::unique_ptr<WindowInstance>>(opened)),
                        std::make_unique<Pictures>(&DecodePicture)};
    constexpr double kUsualTwipsPerPixel = 15.0;
    // Each on a worker of its own, side by side.
    for (const auto& [picture, size] : FirstPictures(window.instance->model(), kUsualTwipsPerPixel))
      if (DecodesWithoutApplication(picture->File(), size)) window.pictures->Prefetch({{picture, size}});
    return window;
  });
}

std::variant<std::unique_ptr<FormWindow>, RuntimeError> FormWindow::Open(const ProgramHeader& program) {
  auto opened = BeginOpening(program).get();
  if (auto* error = std::get_if<RuntimeError>(&opened)) return *error;
  return std::make_unique<FormWindow>(std::move(std::get<OpenedWindow>(opened)));
}

FormWindow::FormWindow(OpenedWindow opened)
    : presenter_(std::move(opened.instance), *this, TwipsPerPixel()),
      pictures_(std::move(opened.pictures)),
      fonts_(&MakeFont) {
  // The fonts are looked up while the window is set up; the pictures of the
  // first frame are decoding already, unless the screen's scale is not the
  // usual one.
  WarmFonts(presenter_.Fonts());
  for (const auto& wanted : presenter_.FirstPictures()) pictures_->Prefetch({wanted});

  const FormSettings& s = presenter_.settings();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setWindowFlags(FlagsFor(s));
  setWindowTitle(QString::fromStdString(s.caption));
  const PixelSize client = presenter_.ClientSize();
  if (s.Resizable())
    resize(client.width, client.height);
  else
    setFixedSize(client.width, client.height);
  // Child widgets stack in creation order, the last on top: made from the
  // bottom of the stacking up.
  const auto& buttons = presenter_.Buttons();
  for (auto button = buttons.rbegin(); button != buttons.rend(); ++button)
    buttons_[(*button)->base.id] = new ButtonWindow(*this, **button);
}

FormWindow::~FormWindow() {
  // The buttons go before the presenter: the window, hidden as it goes,
  // would tell the focused one, which tells the presenter.
  for (const auto& [id, button] : buttons_) delete button;
}

ButtonWindow* FormWindow::Button(int id) const {
  const auto found = buttons_.find(id);
  return found == buttons_.end() ? nullptr : found->second;
}

void FormWindow::Place() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect frame = frameGeometry();
  const QPoint client = geometry().topLeft() - frame.topLeft();
  const auto origin = presenter_.Origin({frame.width(), frame.height()}, {client.x(), client.y()},
                                        FromQRect(screen->availableGeometry()));
  if (origin) move(origin->x, origin->y);
}

void FormWindow::Show() {
  winId();  // the native window, before it is mapped: its frame is known now where the platform knows it
  Place();
  if (!presenter_.settings().showInTaskbar) SkipTaskbar(this);
  if (ButtonWindow* first = Button(presenter_.FocusButton())) first->setFocus(Qt::OtherFocusReason);
  presenter_.ReportInMessageBoxes();
  show();
  if (frameGeometry().size() != size()) Place();  // the frame is known once shown
  activateWindow();  // without a window manager nothing else activates it
}

void FormWindow::PaintButton(int id, QPainter& painter) {
  Canvas canvas(&painter, *pictures_, fonts_);
  presenter_.PaintButton(id, canvas);
}

void FormWindow::Repaint(const PixelRect& area) {
  const QRect r = ToQRect(area);
  update(r);
  // The buttons are widgets of their own, which the window's update leaves.
  for (const auto& [id, button] : buttons_)
    if (button->geometry().intersects(r)) button->update(r.translated(-button->pos()));
}

void FormWindow::ShowMessage(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok, this);
  box.exec();
}

void FormWindow::Post(std::function<void()> task) { QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection); }

void FormWindow::Prefetch(const Pictures::Wanted& pictures) { pictures_->Prefetch(pictures); }

void FormWindow::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  Canvas canvas(&painter, *pictures_, fonts_);
  // A rectangle at a time: Qt draws within one far faster than within a
  // region of several.
  for (const QRect& r : e->region()) {
    painter.save();
    painter.setClipRect(r);
    presenter_.Paint(canvas, FromQRect(r));
    painter.restore();
  }
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint at = e->position().toPoint();
  presenter_.MouseDown({at.x(), at.y()});
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint at = e->position().toPoint();
  presenter_.MouseUp({at.x(), at.y()});
}

}  // namespace runtime::qt
