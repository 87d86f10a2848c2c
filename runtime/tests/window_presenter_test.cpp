// The window presenter against a recording canvas and surface: what it
// paints and in which order, which presses click a button, where the focus
// and the window go, a picture that does not decode, and the message-box
// report. A small window of its own: a button above a label above two
// images, one of them hidden.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "picture.h"
#include "picture_cache.h"
#include "window_presenter.h"

namespace runtime {
namespace {

int clicks = 0;
Status CountClick(Form*) {
  ++clicks;
  return S_OK;
}
Status Bind(const EventTable* self, const Guid&, const EventTable** out) {
  *out = self;
  return S_OK;
}
std::uint32_t Count(const EventTable*) { return 1; }
Form* NewForm() { return new Form; }

const std::uint8_t kGood[] = {'G', 'I', 'F', '8', '9', 'a'};
const std::uint8_t kBad[] = {'n', 'o', 'n', 'e'};

Property P(std::uint8_t opcode, Prop prop, PropertyValue value) { return Property{opcode, Encoding::Byte, prop, std::move(value), 0}; }

// At 15 twips per pixel: the button at 10, 100 (60 x 20), the label at
// 0, 0 (100 x 30), the picture at 20, 20 (40 x 40), a hidden one below it.
Description Small() {
  Description d{};
  d.window = Record{0, ControlType::Form, "Form1", 0, std::nullopt,
                    {P(0x01, Prop::Caption, std::string("Small")), P(0x03, Prop::BackColor, Colour{0x80}),
                     P(0x35, Prop::ClientExtent, Extent{45, 375, 3000, 2250}),
                     P(0x46, Prop::StartUpPosition, std::uint8_t{2})}};
  d.children = {
      Record{0, ControlType::CommandButton, "Command1", 1, std::nullopt,
             {P(0x01, Prop::Caption, std::string("Go")), P(0x04, Prop::Extent, Extent{150, 1500, 900, 300}),
              P(0x29, Prop::Style, std::uint8_t{1}), P(0x03, Prop::BackColor, Colour{0x8080FF})}},
      Record{0, ControlType::Label, "Label1", 2, std::nullopt,
             {P(0x01, Prop::Caption, std::string("Hi")), P(0x04, Prop::ForeColor, Colour{0xFFFFFF}),
              P(0x05, Prop::Extent, Extent{0, 0, 1500, 450}), P(0x1F, Prop::BackStyle, std::uint8_t{0})}},
      Record{0, ControlType::Image, "Image1", 3, std::nullopt,
             {P(0x02, Prop::Picture, std::span<const std::uint8_t>(kGood)),
              P(0x03, Prop::Extent, Extent{300, 300, 600, 600}), P(0x0A, Prop::Stretch, true)}},
      Record{0, ControlType::Image, "Image2", 4, std::nullopt,
             {P(0x02, Prop::Picture, std::span<const std::uint8_t>(kGood)),
              P(0x03, Prop::Extent, Extent{300, 300, 600, 600}), P(0x08, Prop::Visible, std::uint8_t{0})}},
  };
  return d;
}

class Recorder final : public Canvas, public Surface {
 public:
  void FillRect(const PixelRect& r, Colour c) override { Log("fill", r, c.value); }
  void DrawString(const PixelRect& box, const std::string& text, const FontSpec&, Colour c, TextFlow flow) override {
    Log(std::string(flow == TextFlow::Wrapped ? "wrapped " : "centred ") + text, box, c.value);
  }
  bool DrawPicture(const PixelRect& frame, Picture& picture, PixelSize shown) override {
    Log("picture " + std::to_string(shown.width) + "x" + std::to_string(shown.height), frame, 0);
    return picture.File()[0] == 'G';
  }
  void DrawFocusRect(const PixelRect& r) override { Log("focus", r, 0); }
  void Repaint(const PixelRect& area) override { repaints.push_back(area); }
  void ShowMessage(const std::string& title, const std::string& text) override { messages.push_back(title + ": " + text); }
  void Post(std::function<void()> task) override { posted.push_back(std::move(task)); }
  void Prefetch(const std::vector<std::pair<Picture*, PixelSize>>& pictures) override { prefetched.push_back(pictures); }

  void RunPosted() {
    auto tasks = std::move(posted);
    for (auto& task : tasks) task();
  }

  std::vector<std::string> calls;
  std::vector<PixelRect> repaints;
  std::vector<std::string> messages;
  std::vector<std::function<void()>> posted;
  std::vector<std::vector<std::pair<Picture*, PixelSize>>> prefetched;

 private:
  void Log(const std::string& what, const PixelRect& r, std::uint32_t colour) {
    char text[96];
    std::snprintf(text, sizeof text, " %d,%d %dx%d #%06X", r.x, r.y, r.width, r.height, colour);
    calls.push_back(what + text);
  }
};

class Presenter : public ::testing::Test {
 protected:
  void SetUp() override {
    slots_[button_event::Click] = &CountClick;
    table_ = EventTable{Bind, Count, Count, slots_};
    tables_ = {nullptr, &table_};
    auto opened = OpenWindow(WindowHeader{"Form1", nullptr, &NewForm, tables_}, Small());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<WindowInstance>>(opened));
    presenter_ = std::make_unique<WindowPresenter>(std::move(std::get<std::unique_ptr<WindowInstance>>(opened)),
                                                   recorder_, 15.0);
    clicks = 0;
  }
  ImageControl& Image(int id) { return *dynamic_cast<ImageControl*>(presenter_->instance().form().Control(id)); }

  std::array<EventProc, button_event::kCount> slots_{};
  EventTable table_{};
  std::array<const EventTable*, 2> tables_{};
  Recorder recorder_;
  std::unique_ptr<WindowPresenter> presenter_;
};

TEST_F(Presenter, PaintsTheBackgroundThenTheControlsBottomFirst) {
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  EXPECT_EQ(recorder_.calls, (std::vector<std::string>{
                                 "fill 0,0 200x150 #000080",            // the window's background
                                 "picture 40x40 20,20 40x40 #000000",   // the image, stretched; the hidden one not
                                 "wrapped Hi 0,0 100x30 #FFFFFF",       // the label above it, transparent
                             }));
  recorder_.calls.clear();
  presenter_->Paint(recorder_, {100, 100, 50, 50});  // only the background there: the button is a window
  EXPECT_EQ(recorder_.calls, (std::vector<std::string>{"fill 100,100 50x50 #000080"}));
}

// After the first frame, once, the pictures that the window may come to
// show, as the first frame leaves it, are asked for ahead of time, even
// when the window has changed by the time the request runs (a press that
// came first).
TEST_F(Presenter, AsksForTheLaterPicturesOnceAfterTheFirstFrame) {
  auto shown = Ref<Picture>::Share(Image(3).picture());
  Image(3).put_Picture(nullptr);  // an empty frame that the hidden picture may come to
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  EXPECT_TRUE(recorder_.prefetched.empty());
  Image(3).put_Picture(shown.get());
  recorder_.RunPosted();
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  recorder_.RunPosted();
  using Pictures = std::vector<std::pair<Picture*, PixelSize>>;
  EXPECT_EQ(recorder_.prefetched, (std::vector<Pictures>{{{Image(4).picture(), {40, 40}}}}));
}

TEST_F(Presenter, PaintsTheButtonFaceRaisedPressedAndFocused) {
  presenter_->PaintButton(1, recorder_);
  ASSERT_EQ(recorder_.calls.size(), 10u);
  EXPECT_EQ(recorder_.calls.front(), "fill 0,0 60x20 #8080FF");  // graphical: its own colour
  EXPECT_EQ(recorder_.calls.back(), "centred Go 4,4 52x12 #80000012");
  recorder_.calls.clear();
  presenter_->ButtonFocus(1, true);
  presenter_->ButtonKeyDown(1, ButtonKey::Space, false);
  presenter_->PaintButton(1, recorder_);
  ASSERT_EQ(recorder_.calls.size(), 11u);
  EXPECT_EQ(recorder_.calls[1], "fill 0,0 60x1 #80000015");   // the dark outer frame
  EXPECT_EQ(recorder_.calls[9], "centred Go 5,5 52x12 #80000012");  // moved down and right
  EXPECT_EQ(recorder_.calls[10], "focus 5,5 52x12 #000000");
}

// Each sequence of input on the button, and how many clicks it makes.
TEST_F(Presenter, PressesClickTheButtonOnce) {
  using P = WindowPresenter;
  struct Case {
    const char* what;
    void (*input)(P&);
    int clicks;
  };
  const Case cases[] = {
      {"a click", [](P& p) { p.ButtonMouseDown(1), p.ButtonMouseUp(1, true); }, 1},
      {"released outside", [](P& p) { p.ButtonMouseDown(1), p.ButtonMouseMove(1, false), p.ButtonMouseUp(1, false); }, 0},
      {"back inside", [](P& p) { p.ButtonMouseDown(1), p.ButtonMouseMove(1, false), p.ButtonMouseUp(1, true); }, 1},
      {"a release without a press", [](P& p) { p.ButtonMouseUp(1, true); }, 0},
      {"the mouse taken away", [](P& p) { p.ButtonMouseDown(1), p.ButtonMouseCancelled(1), p.ButtonMouseUp(1, true); }, 0},
      {"Space", [](P& p) { p.ButtonKeyDown(1, ButtonKey::Space, false), p.ButtonKeyUp(1, ButtonKey::Space, false); }, 1},
      {"Space held",
       [](P& p) {
         p.ButtonKeyDown(1, ButtonKey::Space, false), p.ButtonKeyDown(1, ButtonKey::Space, true);
         p.ButtonKeyUp(1, ButtonKey::Space, true), p.ButtonKeyUp(1, ButtonKey::Space, false);
       },
       1},
      {"Space with the focus lost", [](P& p) { p.ButtonKeyDown(1, ButtonKey::Space, false), p.ButtonFocus(1, false), p.ButtonKeyUp(1, ButtonKey::Space, false); }, 0},
      {"Enter held", [](P& p) { p.ButtonKeyDown(1, ButtonKey::Enter, false), p.ButtonKeyDown(1, ButtonKey::Enter, true); }, 1},
      {"Tab", [](P& p) { p.ButtonKeyDown(1, ButtonKey::Tab, false); }, 0},
  };
  for (const Case& c : cases) {
    clicks = 0;
    c.input(*presenter_);
    EXPECT_EQ(clicks, c.clicks) << c.what;
    EXPECT_FALSE(presenter_->ButtonDown(1)) << c.what;
  }
  EXPECT_TRUE(presenter_->ButtonKeyDown(1, ButtonKey::Tab, false));  // taken: the focus stays
  EXPECT_FALSE(presenter_->ButtonKeyDown(1, ButtonKey::Other, false));
}

TEST_F(Presenter, RepaintsTheButtonWhenItsLookChanges) {
  presenter_->ButtonMouseDown(1);
  presenter_->ButtonMouseMove(1, true);  // no change
  presenter_->ButtonMouseMove(1, false);
  EXPECT_EQ(recorder_.repaints, (std::vector<PixelRect>{{10, 100, 60, 20}, {10, 100, 60, 20}}));
  Image(3).put_Visible(false);
  EXPECT_EQ(recorder_.repaints.back(), (PixelRect{20, 20, 40, 40}));
}

TEST_F(Presenter, AClickOnTheWindowNeedsItsPressAndReleaseOnTheSameControl) {
  presenter_->MouseUp({30, 30});  // no press
  presenter_->MouseDown({30, 30});
  presenter_->MouseUp({150, 140});  // let go elsewhere
  presenter_->MouseDown({30, 30});
  presenter_->MouseCancelled();
  presenter_->MouseUp({30, 30});
  EXPECT_EQ(clicks, 0);  // and the button is never clicked from the window
}

TEST_F(Presenter, TheFocusGoesToTheButtonAndComesBackToIt) {
  EXPECT_EQ(presenter_->FocusButton(), 1);
  presenter_->ButtonFocus(1, true);
  presenter_->ButtonFocus(1, false);
  EXPECT_EQ(presenter_->FocusButton(), 1);
}

// What to decode ahead: the visible pictures at their frames' sizes for
// the first frame; then the hidden ones at the size of each visible frame
// that shows none yet, where the program may show them.
TEST_F(Presenter, NamesThePicturesToDecodeAhead) {
  using Pictures = std::vector<std::pair<Picture*, PixelSize>>;
  Picture* shown = Image(3).picture();
  Picture* hidden = Image(4).picture();
  EXPECT_EQ(presenter_->FirstPictures(), (Pictures{{shown, {40, 40}}}));
  EXPECT_EQ(presenter_->LaterPictures(), Pictures{});  // no frame to show them in
  Image(3).put_Picture(nullptr);
  EXPECT_EQ(presenter_->FirstPictures(), Pictures{});
  EXPECT_EQ(presenter_->LaterPictures(), (Pictures{{hidden, {40, 40}}}));
}

TEST_F(Presenter, OpensCentredOnTheWorkArea) {
  EXPECT_EQ(presenter_->ClientSize(), (PixelSize{200, 150}));
  const auto origin = presenter_->Origin({210, 180}, {5, 25}, {0, 0, 1280, 1000});
  ASSERT_TRUE(origin);
  EXPECT_EQ(*origin, (PixelPoint{535, 410}));
}

TEST_F(Presenter, APictureThatDoesNotDecodeIsLeftOutAndReportedOnceAfterThePaint) {
  std::vector<RuntimeError> reported;
  SetErrorReporter([&](const RuntimeError& e) { reported.push_back(e); });
  auto bad = Make<PictureObject>(std::span<const std::uint8_t>(kBad));
  Image(3).put_Picture(bad.get());
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  EXPECT_TRUE(reported.empty());  // not from within the paint
  recorder_.RunPosted();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0].number(), kErrInvalidFileFormat);
  recorder_.calls.clear();
  presenter_->Paint(recorder_, {0, 0, 200, 150});
  recorder_.RunPosted();
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_EQ(recorder_.calls.size(), 2u);  // the background and the label: the picture is tried no more
  SetErrorReporter(nullptr);
}

TEST_F(Presenter, ReportsRunTimeErrorsInAMessageBoxTitledWithTheCaption) {
  presenter_->ReportInMessageBoxes();
  ReportError(RuntimeError(kErrOverflow, "here"));
  ASSERT_EQ(recorder_.messages.size(), 1u);
  EXPECT_EQ(recorder_.messages[0].rfind("Small: Run-time error '6'", 0), 0u) << recorder_.messages[0];
  presenter_.reset();  // the window is gone: so is its reporter
  ReportError(RuntimeError(kErrOverflow, "later"));
  EXPECT_EQ(recorder_.messages.size(), 1u);
}

// The cache decodes each picture once for each size it is asked for,
// whether a worker decodes it ahead of time or Get comes to it first.
std::atomic<int> decodes = 0;
std::optional<std::string> Decode(std::span<const std::uint8_t> file, PixelSize size) {
  ++decodes;
  if (file[0] != 'G') return std::nullopt;
  return std::to_string(file.size()) + "@" + std::to_string(size.width) + "x" + std::to_string(size.height);
}

TEST(PictureCache, KeepsEachSizeItIsAskedFor) {
  auto picture = Make<PictureObject>(std::span<const std::uint8_t>(kGood));
  auto bad = Make<PictureObject>(std::span<const std::uint8_t>(kBad));
  decodes = 0;
  {
    PictureCache<std::string> cache(&Decode);
    cache.Prefetch({{picture.get(), {4, 3}}, {bad.get(), {4, 3}}, {picture.get(), {4, 3}}});
    EXPECT_EQ(cache.Get(*bad, {4, 3}), nullptr);  // perhaps before the worker has come to it
    EXPECT_EQ(*cache.Get(*picture, {4, 3}), "6@4x3");
    EXPECT_EQ(*cache.Get(*picture, {8, 6}), "6@8x6");
    EXPECT_EQ(*cache.Get(*picture, {4, 3}), "6@4x3");
    EXPECT_EQ(*cache.Get(*picture, {8, 6}), "6@8x6");
    EXPECT_EQ(cache.Get(*bad, {4, 3}), nullptr);
    EXPECT_EQ(cache.Get(*bad, {4, 3}), nullptr);
    EXPECT_EQ(decodes, 3);
    EXPECT_EQ(picture->RefCount(), 3u);  // held by both sizes while cached
  }
  EXPECT_EQ(picture->RefCount(), 1u);
}

}  // namespace
}  // namespace runtime
