// The draw action against doubles of Image2 and its members: the calls of one
// press in their order, the window held through it, the draw's range, and
// what every failure leaves and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>

#include "control_ids.h"
#include "errors.h"
#include "fakes.h"
#include "form1.h"

namespace {

using fakes::FakeArray;
using fakes::FakeImage;
using fakes::FakePicture;
using fakes::FakeRandom;
using tarvel::Command1_Click;
using tarvel::Form1;

constexpr std::int16_t kUnwritten = -7;  // DrawnIndex before the press

// The interfaces that a failing call names, as the user reads them.
constexpr const char* kArrayInterface = "{00000000-0000-0000-0000-000000000000}";
constexpr const char* kImageInterface = "{33AD4F91-6699-11CF-B70C-00AA0060D393}";

class DrawAction : public ::testing::Test {
 protected:
  void SetUp() override { Build(0.0); }
  void TearDown() override {
    runtime::SetRandomSource(nullptr);
    for (auto* p : cards) p->Release();
    previous->Release();
    array->Release();
    form->Release();
  }

  // A window whose Image2 has 21 members: cards 0 to 19 with pictures, the
  // slot 20 showing an earlier picture; the generator yields r.
  void Build(double r) {
    form = new Form1;
    form->DrawnIndex = kUnwritten;
    array = new FakeArray(log);
    for (int i = 0; i <= 20; ++i) array->Add(new FakeImage(log, i));
    for (int i = 0; i < 20; ++i) {
      cards.push_back(new FakePicture(log, i));
      array->member(i).SetPicture(cards.back());
    }
    previous = new FakePicture(log, 99);
    array->member(20).SetPicture(previous);
    form->SetControl(tarvel::kImage2Id, runtime::Ref<runtime::Object>::Share(array));
    log.watch = [this] { return form->RefCount(); };
    SetGenerator(r);
  }
  void SetGenerator(double r) { runtime::SetRandomSource(std::make_unique<FakeRandom>(log, r)); }

  // The reference counts of every object the press touches.
  std::vector<std::uint32_t> Counts() const {
    std::vector<std::uint32_t> counts{form->RefCount(), array->RefCount(), previous->RefCount()};
    for (int i = 0; i <= 20; ++i) counts.push_back(array->member(i).RefCount());
    for (auto* p : cards) counts.push_back(p->RefCount());
    return counts;
  }

  // Presses once, expecting a run-time error; gives it.
  runtime::RuntimeError PressFailing() {
    try {
      Command1_Click(form);
    } catch (const runtime::RuntimeError& e) {
      return e;
    }
    ADD_FAILURE() << "the press raised no run-time error";
    return runtime::RuntimeError(0);
  }

  // Whether the press held one reference of its own on the window at every
  // call on a control, over the `held` references from before it.
  bool HeldTheWindow(std::uint32_t held) const {
    return !log.watched.empty() &&
           std::all_of(log.watched.begin(), log.watched.end(), [held](std::uint32_t n) { return n == held + 1; });
  }

  // Whether the error names the failing call's interface and operation.
  static bool Names(const runtime::RuntimeError& e, const std::string& iid, const std::string& operation) {
    return e.context().starts_with("'" + operation + "' on interface " + iid + " ");
  }

  int Hidden() {
    int n = 0;
    for (int i = 0; i < 20; ++i) n += array->member(i).visible() ? 0 : 1;
    return n;
  }

  fakes::Log log;
  Form1* form = nullptr;
  FakeArray* array = nullptr;
  std::vector<FakePicture*> cards;
  FakePicture* previous = nullptr;
};

std::vector<std::string> OnePress(int drawn) {
  std::vector<std::string> calls;
  for (int i = 0; i < 20; ++i) {
    calls.push_back("Image2");
    calls.push_back("Item(" + std::to_string(i) + ")");
    calls.push_back("Visible(" + std::to_string(i) + ")");
  }
  calls.insert(calls.end(), {"Reseed", "Next", "Image2", "Item(20)", "Image2",
                             "Item(" + std::to_string(drawn) + ")",
                             "GetPicture(" + std::to_string(drawn) + ")", "PutPicture(20)"});
  return calls;
}

TEST_F(DrawAction, OnePressMakesItsCallsInOrderAndShowsTheCard) {
  SetGenerator(0.6);  // 0.6 * 20 = 12
  log.calls.clear();
  log.watched.clear();
  const auto before = Counts();

  EXPECT_EQ(Command1_Click(form), 0);

  EXPECT_EQ(log.calls, OnePress(12));
  EXPECT_TRUE(HeldTheWindow(before[0]));
  EXPECT_EQ(form->DrawnIndex, 12);
  EXPECT_EQ(Hidden(), 20);
  EXPECT_TRUE(array->member(20).visible());
  EXPECT_EQ(array->member(20).picture(), cards[12]);
  EXPECT_EQ(array->member(12).picture(), cards[12]) << "the card keeps its own picture";

  // The slot now holds the card's picture and no longer the earlier one;
  // nothing else is counted up or down.
  auto after = Counts();
  EXPECT_EQ(after[2] + 1, before[2]);
  after[2] = before[2];
  after[3 + 21 + 12] -= 1;
  EXPECT_EQ(after, before);
}

TEST_F(DrawAction, SameCardTwiceKeepsShowingIt) {
  SetGenerator(0.25);
  Command1_Click(form);
  const auto counts = Counts();
  log.calls.clear();
  Command1_Click(form);
  EXPECT_EQ(log.calls, OnePress(5));
  EXPECT_EQ(array->member(20).picture(), cards[5]);
  EXPECT_EQ(Counts(), counts);
}

TEST_F(DrawAction, EveryDrawFallsOnACard) {
  const struct { double r; std::int16_t index; } cases[] = {
      {0.0, 0},
      {std::nextafter(1.0, 0.0), 19},
      {0.0499999, 0},
      {0.05, 1},
      {0.5, 10},
      {0.95, 19},
      {std::nextafter(0.05, 0.0), 0},
  };
  for (const auto& c : cases) {
    SetGenerator(c.r);
    log.calls.clear();
    EXPECT_EQ(Command1_Click(form), 0);
    EXPECT_EQ(form->DrawnIndex, c.index) << "r = " << c.r;
    EXPECT_EQ(array->member(20).picture(), cards[static_cast<std::size_t>(c.index)]);
  }
}

// A failing call among the hide statements: the cards before it are hidden
// again, and nothing after it runs.
TEST_F(DrawAction, FailureWhileHidingStopsThere) {
  const struct {
    std::string call;
    runtime::Status status;
    std::int32_t error;
    int hiddenBefore;
    const char* iid;
    const char* operation;
  } cases[] = {
      {"Item(0)", runtime::ControlError(340), 340, 0, kArrayInterface, "Item"},
      {"Visible(0)", runtime::ControlError(380), 380, 0, kImageInterface, "Visible"},
      {"Item(7)", runtime::E_OUTOFMEMORY, runtime::kErrOutOfMemory, 7, kArrayInterface, "Item"},
      {"Visible(13)", runtime::E_FAIL, runtime::E_FAIL, 13, kImageInterface, "Visible"},
      {"Visible(19)", runtime::E_INVALIDARG, runtime::kErrInvalidCall, 19, kImageInterface, "Visible"},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 20; ++i) array->member(i).put_Visible(true);
    log.calls.clear();
    log.watched.clear();
    log.failOn = c.call;
    log.failWith = c.status;
    const auto before = Counts();

    const runtime::RuntimeError e = PressFailing();
    EXPECT_EQ(e.number(), c.error) << c.call;
    EXPECT_TRUE(Names(e, c.iid, c.operation)) << c.call << ": " << e.context();
    EXPECT_TRUE(HeldTheWindow(before[0])) << c.call;

    EXPECT_EQ(log.calls.back(), c.call) << "nothing runs after the failing call";
    EXPECT_EQ(Hidden(), c.hiddenBefore) << c.call;
    EXPECT_EQ(form->DrawnIndex, kUnwritten);
    EXPECT_EQ(array->member(20).picture(), previous);
    EXPECT_EQ(Counts(), before) << "every temporary released after " << c.call;
  }
}

// A failing call in the show statement: the draw has happened, the slot
// keeps what it showed.
TEST_F(DrawAction, FailureWhileShowingKeepsTheSlot) {
  // Item(3) fails on its second call: the first hid card 3.
  const struct { const char* call; int occurrence; const char* iid; const char* operation; } calls[] = {
      {"Item(20)", 1, kArrayInterface, "Item"},
      {"Item(3)", 2, kArrayInterface, "Item"},
      {"GetPicture(3)", 1, kImageInterface, "Picture"},
      {"PutPicture(20)", 1, kImageInterface, "Picture"},
  };
  SetGenerator(0.15);  // card 3
  for (const auto [call, occurrence, iid, operation] : calls) {
    form->DrawnIndex = kUnwritten;
    log.calls.clear();
    log.watched.clear();
    log.failOn = call;
    log.failOccurrence = occurrence;
    const auto before = Counts();

    const runtime::RuntimeError e = PressFailing();
    EXPECT_EQ(e.number(), runtime::E_FAIL) << call;
    EXPECT_TRUE(Names(e, iid, operation)) << call << ": " << e.context();
    EXPECT_TRUE(HeldTheWindow(before[0])) << call;

    EXPECT_EQ(log.calls.back(), call);
    EXPECT_EQ(form->DrawnIndex, 3) << call;
    EXPECT_EQ(array->member(20).picture(), previous) << call;
    EXPECT_EQ(Hidden(), 20);
    EXPECT_EQ(Counts(), before) << "every temporary released after " << call;
  }
}

// Each statement releases its temporaries in its own order, and the clean-up
// after a failing call in the show statement in the clean-up's order:
// card array, card member, picture as read, slot array, slot member,
// picture as assigned, skipping the empty ones.
TEST_F(DrawAction, TemporariesAreReleasedInTheirOrder) {
  std::vector<std::string> hides;
  for (int i = 0; i < 20; ++i) hides.insert(hides.end(), {"Image2", "Member(" + std::to_string(i) + ")"});
  const struct {
    const char* failing;  // nothing: the press ends well
    int occurrence;
    std::vector<std::string> show;  // the releases after the hides
  } cases[] = {
      {"", 1, {"Picture(99)", "Image2", "Member(3)", "Image2", "Picture(3)", "Member(20)"}},
      {"Item(20)", 1, {"Image2"}},
      {"Item(3)", 2, {"Image2", "Image2", "Member(20)"}},
      {"GetPicture(3)", 1, {"Image2", "Member(3)", "Image2", "Member(20)"}},
      {"PutPicture(20)", 1, {"Image2", "Member(3)", "Image2", "Member(20)", "Picture(3)"}},
  };
  SetGenerator(0.15);  // card 3
  for (const auto& c : cases) {
    log.failOn = c.failing;
    log.failOccurrence = c.occurrence;
    log.calls.clear();
    log.released.clear();
    try {
      Command1_Click(form);
    } catch (const runtime::RuntimeError&) {
    }
    std::vector<std::string> expected = hides;
    expected.insert(expected.end(), c.show.begin(), c.show.end());
    EXPECT_EQ(log.released, expected) << c.failing;
    array->member(20).SetPicture(previous);
  }
}

// A generator that gives something no card stands for, or that leaves a
// fault flagged, raises the floating-point error before DrawnIndex is
// written.
class FaultyRandom : public runtime::RandomSource {
 public:
  FaultyRandom(double value, int raise) : value_(value), raise_(raise) {}
  void Reseed(std::uint64_t) override {}
  double Next() override {
    if (raise_) std::feraiseexcept(raise_);
    return value_;
  }

 private:
  double value_;
  int raise_;
};

TEST_F(DrawAction, FloatingPointFaultRaisesBeforeTheDrawIsStored) {
  const struct { const char* what; double r; int raise; std::int32_t error; } cases[] = {
      {"signalling NaN", std::numeric_limits<double>::signaling_NaN(), 0, runtime::kErrOverflow},
      {"quiet NaN", std::numeric_limits<double>::quiet_NaN(), 0, runtime::kErrOverflow},
      {"infinity", std::numeric_limits<double>::infinity(), 0, runtime::kErrOverflow},
      {"overflowing product", DBL_MAX, 0, runtime::kErrOverflow},
      {"division by zero flagged by the generator", 0.5, FE_DIVBYZERO, runtime::kErrDivisionByZero},
      {"invalid operation flagged by the generator", 0.5, FE_INVALID, runtime::kErrOverflow},
  };
  for (const auto& c : cases) {
    runtime::SetRandomSource(std::make_unique<FaultyRandom>(c.r, c.raise));
    form->DrawnIndex = kUnwritten;
    const auto before = Counts();

    EXPECT_EQ(PressFailing().number(), c.error) << c.what;

    EXPECT_EQ(form->DrawnIndex, kUnwritten) << c.what;
    EXPECT_EQ(array->member(20).picture(), previous) << c.what;
    EXPECT_EQ(Counts(), before) << c.what;
  }
}

TEST_F(DrawAction, FlagsLeftBeforeThePressAreClearedByTheCallsOnControls) {
  std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO);
  SetGenerator(0.5);
  EXPECT_EQ(Command1_Click(form), 0);
  EXPECT_EQ(form->DrawnIndex, 10);
}

}  // namespace
