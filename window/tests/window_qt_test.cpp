// Form1 on Qt, headless: the window as the runtime builds it from the
// description, what it shows before and after a press, the ways to press
// the button, the clicks that do nothing, the focus, closing, and a
// run-time error reported while the window goes on.
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <limits>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "control_ids.h"
#include "event_tables.h"
#include "form1_header.h"
#include "picture.h"
#include "pictures.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

constexpr QRgb kBackground = 0x800000;  // 0x00000080 as red, green, blue

TEST_F(Form1Window, IsAFixedDarkRedWindowWithTheStoredTitle) {
  EXPECT_EQ(widget()->size(), QSize(841, 393));
  EXPECT_EQ(widget()->minimumSize(), widget()->maximumSize());
  EXPECT_EQ(widget()->windowTitle(), QString::fromUtf8("Тарвел с късмети"));
  const Qt::WindowFlags flags = widget()->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::FramelessWindowHint);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // Centred, frame and all, to within the frame's own thickness (the
  // offscreen platform adds its frame after the window is placed).
  const QPoint off = widget()->frameGeometry().center() - screen.center();
  const QMargins frame = widget()->windowHandle()->frameMargins();
  EXPECT_LE(std::abs(off.x()), frame.left() + frame.right() + 1) << off.x();
  EXPECT_LE(std::abs(off.y()), frame.top() + frame.bottom() + 1) << off.y();
  const QImage shown = Grab();
  EXPECT_EQ(At(shown, 2, 2), kBackground);
  EXPECT_EQ(At(shown, 838, 390), kBackground);
}

TEST_F(Form1Window, FirstPictureShowsEveryControlAndNoCard) {
  const QImage shown = Grab();
  // The slot is empty: the pastry, as drawn without it, shows through.
  QImage pastry(kPastry.size(), QImage::Format_RGB32);
  pastry.fill(QColor(0x80, 0, 0));
  {
    QPainter p(&pastry);
    p.drawImage(0, 0, runtime::qt::ScalePicture(Single(kImage1Id)->picture()->File(), kPastry.size()));
  }
  const QRect slotInPastry = kSlot.translated(-kPastry.topLeft());
  EXPECT_EQ(shown.copy(kSlot), pastry.copy(slotInPastry));
  // No card anywhere: the greeting picture is whole, and below it, where
  // the grid's bottom row lies, only the background shows.
  const QImage greeting = runtime::qt::ScalePicture(Single(kImage4Id)->picture()->File(), kGreeting.size());
  EXPECT_EQ(shown.copy(kGreeting), greeting.convertToFormat(QImage::Format_RGB32));
  for (int y = 314; y < 361; y += 3)
    for (int x = 424; x < 841; x += 3) ASSERT_EQ(At(shown, x, y), kBackground) << x << "," << y;
  // The button has the focus and its face is its own colour exactly.
  EXPECT_TRUE(button()->hasFocus());
  EXPECT_EQ(QApplication::focusWidget(), button());
  EXPECT_EQ(At(shown, 32 + 3, 352 + 3), 0xFF8080u);
  EXPECT_EQ(At(shown, 32 + 205, 352 + 29), 0xFF8080u);
  // Its caption: dark letters, centred on the face (inside the focus frame).
  const QRect face = kButton.adjusted(6, 6, -6, -6);
  QRect ink;
  for (int y = face.top(); y <= face.bottom(); ++y)
    for (int x = face.left(); x <= face.right(); ++x)
      if (qGray(shown.pixel(x, y)) < 64) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.width(), kButton.width() / 3);
  EXPECT_LE(std::abs(ink.center().x() - kButton.center().x()), 2) << ink.left() << ".." << ink.right();
  EXPECT_LE(std::abs(ink.center().y() - kButton.center().y()), 2) << ink.top() << ".." << ink.bottom();

  // The tree is its picture scaled into its frame, over what lies beneath:
  // the background, and in its top-left corner the heading's frame, so that
  // the tree lies over the heading where the two frames overlap.
  Single(kImage3Id)->put_Visible(false);
  QTest::qWait(0);
  const QImage under = Grab();
  EXPECT_EQ(shown.copy(kTree), PictureOver(under, kTree, *Single(kImage3Id)->picture()));
  // The heading: white letters on the window's dark red, with nothing
  // painted behind them; the letters' smoothed edges blend the two.
  int white = 0, red = 0;
  for (int y = kHeading.top(); y <= kHeading.bottom(); ++y)
    for (int x = kHeading.left(); x <= kHeading.right(); ++x) {
      const QRgb c = under.pixel(x, y);
      white += At(under, x, y) == 0xFFFFFFu;
      red += At(under, x, y) == kBackground;
      ASSERT_EQ(qGreen(c), qBlue(c)) << x << "," << y;
      ASSERT_NEAR(qRed(c), 128 + qGreen(c) * 127 / 255, 2) << x << "," << y;
    }
  EXPECT_GT(white, 1000);
  EXPECT_GT(red, kHeading.width() * kHeading.height() / 2);
}

// Each way of pressing the button draws once, and the slot then shows that
// card stretched, with the pastry in the four corners outside the card.
TEST_F(Form1Window, EachWayOfPressingDrawsOnce) {
  struct Way {
    const char* name;
    void (*press)(QWidget* button);
  };
  const Way ways[] = {
      {"click", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); }},
      {"Space", [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); }},
      {"Enter", [](QWidget* b) { QTest::keyClick(b, Qt::Key_Return); }},
      {"keypad Enter", [](QWidget* b) { QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Open(Form1Entry());
    random_->draws = random_->reseeds = 0;
    const QImage before = Grab();
    way.press(button());
    EXPECT_EQ(random_->reseeds, 1);
    EXPECT_EQ(random_->draws, 1);
    EXPECT_EQ(form().DrawnIndex, 7);  // Int(0.35 * 20)
    EXPECT_TRUE(reported_.empty());
    EXPECT_EQ(Member(20)->picture(), Member(7)->picture());
    for (std::int16_t card = 0; card < 20; ++card) EXPECT_FALSE(Member(card)->base.visible);
    QTest::qWait(0);
    const QImage after = Grab();
    const QImage slot = after.copy(kSlot);
    EXPECT_EQ(slot, SlotWithCard(before, 7));
    EXPECT_NE(slot, SlotWithCard(before, 8));  // the cards are told apart
    // Outside the card (its four corner triangles) the pastry shows as it
    // did before: it lies under all but slivers of the slot.
    const QImage card = runtime::qt::ScalePicture(Member(7)->picture()->File(), kSlot.size());
    const QImage under = before.copy(kSlot);
    int clear = 0, background = 0;
    for (int y = 0; y < card.height(); ++y)
      for (int x = 0; x < card.width(); ++x)
        if (qAlpha(card.pixel(x, y)) == 0) {
          ++clear;
          ASSERT_EQ(slot.pixel(x, y), under.pixel(x, y)) << x << "," << y;
          if (At(under, x, y) == kBackground) ++background;
        }
    for (QPoint corner : {QPoint(0, 0), QPoint(192, 0), QPoint(0, 176), QPoint(192, 176)})
      EXPECT_EQ(qAlpha(card.pixel(corner)), 0);
    EXPECT_GT(clear, 0);
    EXPECT_LT(background, clear / 50);
    // The card's white is opaque although the transparent entry is white too.
    int white = 0;
    for (int y = 0; y < card.height(); ++y)
      for (int x = 0; x < card.width(); ++x)
        if (card.pixel(x, y) == 0xFFFFFFFFu && (under.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
          ++white;
          ASSERT_EQ(At(slot, x, y), 0xFFFFFFu) << x << "," << y;
        }
    EXPECT_GT(white, 0);
    // Nothing else changed.
    QImage outside = after, outsideBefore = before;
    QPainter(&outside).fillRect(kSlot, Qt::black);
    QPainter(&outsideBefore).fillRect(kSlot, Qt::black);
    EXPECT_EQ(outside, outsideBefore);
  }
}

TEST_F(Form1Window, TheSameCardDrawnTwiceGoesOnShowingIt) {
  const QImage before = Grab();
  QTest::mouseClick(button(), Qt::LeftButton);
  QTest::qWait(0);
  const QImage first = Grab();
  QTest::mouseClick(button(), Qt::LeftButton);
  QTest::qWait(0);
  EXPECT_EQ(random_->draws, 2);
  EXPECT_EQ(form().DrawnIndex, 7);
  EXPECT_EQ(Grab(), first);
  EXPECT_EQ(first.copy(kSlot), SlotWithCard(before, 7));
}

TEST_F(Form1Window, AFurtherPressReplacesTheCard) {
  const QImage before = Grab();
  runtime::SetRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.35, 0.999}));
  QTest::mouseClick(button(), Qt::LeftButton);
  QTest::mouseClick(button(), Qt::LeftButton);
  QTest::qWait(0);
  EXPECT_EQ(form().DrawnIndex, 19);
  EXPECT_EQ(Grab().copy(kSlot), SlotWithCard(before, 19));
}

TEST_F(Form1Window, ClicksAnywhereButTheButtonDoNothing) {
  const QImage before = Grab();
  const QPoint places[] = {
      {100, 40},   // the heading
      {370, 80},   // the tree
      {600, 150},  // the greeting picture, over the hidden cards
      {150, 200},  // the display slot
      {60, 330},   // the pastry
      {600, 350},  // the background, where the grid's bottom row lies
      {838, 5},    // the background
  };
  for (QPoint at : places) {
    QTest::mouseClick(widget(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget(), Qt::LeftButton, {}, at);
  }
  QTest::qWait(0);
  EXPECT_EQ(random_->draws, 0);
  EXPECT_EQ(random_->reseeds, 0);
  EXPECT_EQ(Grab(), before);
  EXPECT_TRUE(button()->hasFocus());
}

TEST_F(Form1Window, TabLeavesTheFocusOnTheButton) {
  for (int key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    EXPECT_EQ(QApplication::focusWidget(), button());
  }
  QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(600, 350));
  EXPECT_EQ(QApplication::focusWidget(), button());
  EXPECT_EQ(random_->draws, 0);
}

TEST_F(Form1Window, ClosingEndsTheEventLoop) {
  bool closed = false;
  QTimer::singleShot(0, widget(), [&] { closed = widget()->close(); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(widget()->isVisible());
}

// A control array whose Item fails for one index: stands in for a failing
// call on a control.
class FailingArray final : public runtime::Counted<runtime::ControlArray> {
 public:
  FailingArray(runtime::ControlArray* real, std::int16_t failing) : real_(runtime::Ref<runtime::ControlArray>::Share(real)), failing_(failing) {}
  runtime::Status Item(std::int16_t index, runtime::Image** member) override {
    if (index == failing_) return runtime::ControlError(340);
    return real_->Item(index, member);
  }

 private:
  runtime::Ref<runtime::ControlArray> real_;
  std::int16_t failing_;
};

// A failing Item in a hide statement stops the press before the reseed; in
// the show statement, after the draw. Either way the error is reported, the
// slot keeps what it showed, and the next press works.
TEST_F(Form1Window, AFailingControlCallIsReportedAndTheWindowGoesOn) {
  struct Case {
    std::int16_t failing;
    int draws;
  };
  for (const Case c : {Case{7, 0}, Case{20, 1}}) {
    SCOPED_TRACE(c.failing);
    Open(Form1Entry());
    random_->draws = random_->reseeds = 0;
    reported_.clear();
    const QImage before = Grab();
    auto real = runtime::Ref<runtime::Object>::Share(form().Control(kImage2Id));
    auto failing = runtime::Make<FailingArray>(dynamic_cast<runtime::ControlArray*>(real.get()), c.failing);
    form().SetControl(kImage2Id, runtime::Ref<runtime::Object>::Share(failing.get()));
    // Cards 6 and 7 shown, to see which the press hides again.
    Member(6)->put_Visible(true);
    Member(7)->put_Visible(true);
    QTest::keyClick(button(), Qt::Key_Space);
    ASSERT_EQ(reported_.size(), 1u);
    EXPECT_EQ(reported_[0].number(), 340);
    EXPECT_NE(reported_[0].Message().find("Run-time error '340'"), std::string::npos);
    EXPECT_EQ(random_->draws, c.draws);
    EXPECT_EQ(random_->reseeds, c.draws);
    EXPECT_EQ(Member(20)->picture(), nullptr);
    EXPECT_FALSE(Member(6)->base.visible);
    EXPECT_EQ(Member(7)->base.visible, c.failing == 7);
    Member(7)->put_Visible(false);
    QTest::qWait(0);
    EXPECT_EQ(Grab(), before);
    EXPECT_EQ(failing->RefCount(), 2u);  // the press released every temporary

    form().SetControl(kImage2Id, real);
    QTest::keyClick(button(), Qt::Key_Space);
    QTest::qWait(0);
    EXPECT_EQ(reported_.size(), 1u);
    EXPECT_EQ(Grab().copy(kSlot), SlotWithCard(before, 7));
    EXPECT_TRUE(widget()->isVisible());
  }
}

// Uncaptured, the report is a message box over the window, titled with its
// caption, naming the error's number and text; once it is closed the window
// goes on and the next press draws.
TEST_F(Form1Window, TheReportIsAMessageBoxAndTheWindowGoesOnAfterIt) {
  window_->presenter().ReportInMessageBoxes();
  auto real = runtime::Ref<runtime::Object>::Share(form().Control(kImage2Id));
  auto failing = runtime::Make<FailingArray>(dynamic_cast<runtime::ControlArray*>(real.get()), std::int16_t{3});
  form().SetControl(kImage2Id, runtime::Ref<runtime::Object>::Share(failing.get()));
  QString title, text;
  bool modal = false;
  QTimer::singleShot(0, widget(), [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    modal = box->isModal();
    box->accept();
  });
  QTest::keyClick(button(), Qt::Key_Space);
  EXPECT_EQ(title, QString::fromUtf8("Тарвел с късмети"));
  EXPECT_TRUE(text.contains("Run-time error '340'")) << text.toStdString();
  EXPECT_TRUE(text.contains("Control array element doesn't exist")) << text.toStdString();
  EXPECT_TRUE(modal);

  form().SetControl(kImage2Id, real);
  const QImage before = Grab();
  QTest::keyClick(button(), Qt::Key_Space);
  QTest::qWait(0);
  EXPECT_TRUE(widget()->isVisible());
  EXPECT_EQ(Grab().copy(kSlot), SlotWithCard(before, 7));
}

TEST_F(Form1Window, AFloatingPointFaultIsReportedAndTheSlotKeepsItsCard) {
  QTest::keyClick(button(), Qt::Key_Return);
  runtime::SetRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{std::numeric_limits<double>::infinity()}));
  QTest::keyClick(button(), Qt::Key_Return);
  ASSERT_EQ(reported_.size(), 1u);
  EXPECT_EQ(reported_[0].number(), runtime::kErrOverflow);
  EXPECT_EQ(form().DrawnIndex, 7);
  EXPECT_EQ(Member(20)->picture(), Member(7)->picture());
}

// A picture that does not decode is left out and reported once, after the
// paint, as an invalid file format; the window goes on drawing.
TEST_F(Form1Window, APictureThatDoesNotDecodeIsReportedOnce) {
  static const std::uint8_t kCut[] = {'G', 'I', 'F', '8', '9', 'a', 0xC8, 0x00};  // a GIF cut short
  const QImage before = Grab();
  auto cut = runtime::Make<runtime::PictureObject>(std::span<const std::uint8_t>(kCut));
  Member(20)->put_Picture(cut.get());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !reported_.empty(); }, 5000));
  EXPECT_EQ(reported_[0].number(), runtime::kErrInvalidFileFormat);
  EXPECT_EQ(Grab().copy(kSlot), before.copy(kSlot)) << "the pastry shows where the picture would be";
  widget()->repaint();
  QTest::qWait(0);
  EXPECT_EQ(reported_.size(), 1u);

  QTest::keyClick(button(), Qt::Key_Space);
  QTest::qWait(0);
  EXPECT_EQ(Grab().copy(kSlot), SlotWithCard(before, 7));
  EXPECT_EQ(reported_.size(), 1u);
}

// The runtime delivers a click on a windowless control through that
// control's table: with a procedure in the heading's Click slot, a click on
// the heading runs it, and a click on a hidden card's place does not.
int headingClicks = 0;
runtime::Status HeadingClick(runtime::Form*) {
  ++headingClicks;
  return 0;
}

TEST_F(Form1Window, AClickOnAControlGoesThroughItsTable) {
  std::array<runtime::EventProc, runtime::label_event::kCount> labelSlots{};
  labelSlots[runtime::label_event::Click] = &HeadingClick;
  const runtime::EventTable labelTable{EVENT_SINK_QueryInterface, EVENT_SINK_AddRef, EVENT_SINK_Release, labelSlots};
  std::array<const runtime::EventTable*, 7> tables = kEventTables;
  tables[kLabel1Id] = &labelTable;
  runtime::WindowHeader header = Form1Entry();
  header.events = tables;
  Open(header);
  headingClicks = 0;
  QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(100, 40));
  EXPECT_EQ(headingClicks, 1);
  QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(600, 350));
  QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(360, 70));  // the tree lies above the heading there
  EXPECT_EQ(headingClicks, 1);
  window_.reset();
}

TEST_F(Form1Window, ATableOfTheWrongKindIsRefused) {
  std::array<const runtime::EventTable*, 7> tables = kEventTables;
  tables[kLabel1Id] = kEventTables[kImage1Id];  // 13 slots where a label has 18
  runtime::WindowHeader header = Form1Entry();
  header.events = tables;
  window_.reset();
  auto opened = TryOpen(header);
  ASSERT_TRUE(std::holds_alternative<runtime::RuntimeError>(opened));
}

}  // namespace
}  // namespace tarvel::testing
