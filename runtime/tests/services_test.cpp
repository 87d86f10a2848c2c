// The runtime's services: reference variables, the status test, the
// conversions, the generator and the registered clean-up.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "controls.h"
#include "errors.h"
#include "random.h"
#include "services.h"

namespace {

using namespace runtime;

class Probe : public Counted<Object> {
 public:
  Probe(std::vector<int>& released, int id) : released_(released), id_(id) {}
  std::uint32_t Release() override {
    released_.push_back(id_);
    return Counted::Release();
  }

 private:
  std::vector<int>& released_;
  int id_;
};

TEST(ReferenceVariables, ObjSetReleasesTheOldAndDoesNotCountTheNew) {
  std::vector<int> released;
  auto* a = new Probe(released, 1);
  auto* b = new Probe(released, 2);
  b->AddRef();  // kept by the test
  Object* variable = a;
  EXPECT_EQ(__vbaObjSet(&variable, static_cast<Object*>(b)), b);
  EXPECT_EQ(variable, b);
  EXPECT_EQ(released, std::vector<int>{1});
  EXPECT_EQ(b->RefCount(), 2u);
  __vbaFreeObjList(1, &variable);
  EXPECT_EQ(b->RefCount(), 1u);
  b->Release();
}

TEST(ReferenceVariables, FreeObjListReleasesInOrderAndSkipsEmptyOnes) {
  std::vector<int> released;
  Object* first = new Probe(released, 1);
  Object* empty = nullptr;
  Object* third = new Probe(released, 3);
  __vbaFreeObjList(3, &first, &empty, &third);
  EXPECT_EQ(released, (std::vector<int>{1, 3}));
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(third, nullptr);
  EXPECT_THROW(__vbaFreeObjList(2, &first), std::logic_error);
}

TEST(StatusTest, FailingStatusRaisesItsErrorNamingInterfaceAndOperation) {
  const struct { Status status; std::int32_t number; } cases[] = {
      {ControlError(340), 340},
      {ControlError(6), kErrOverflow},
      {E_OUTOFMEMORY, kErrOutOfMemory},
      {E_INVALIDARG, kErrInvalidCall},
      {E_NOINTERFACE, kErrNoInterface},
      {DISP_E_BADINDEX, kErrSubscript},
      {E_FAIL, E_FAIL},
      {Failure(0x80041234u), Failure(0x80041234u)},
  };
  for (const auto& c : cases) {
    try {
      __vbaHresultCheckObj(c.status, nullptr, kImageIid, "Picture");
      ADD_FAILURE() << "returned";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), c.number);
      EXPECT_EQ(e.status(), c.status);
      EXPECT_NE(e.context().find("{33AD4F91-6699-11CF-B70C-00AA0060D393}"), std::string::npos);
      EXPECT_NE(e.context().find("'Picture'"), std::string::npos);
    }
  }
}

TEST(Errors, TextsFollowTheNumbers) {
  EXPECT_EQ(ErrorText(6), "Overflow");
  EXPECT_EQ(ErrorText(11), "Division by zero");
  EXPECT_EQ(ErrorText(E_FAIL), "Automation error");
  EXPECT_EQ(ErrorText(31999), "Application-defined or object-defined error");
  EXPECT_EQ(RuntimeError(6).Message(), "Run-time error '6':\n\nOverflow");
}

TEST(Errors, ReportGoesToTheInstalledReporter) {
  std::vector<std::int32_t> reported;
  SetErrorReporter([&](const RuntimeError& e) { reported.push_back(e.number()); });
  ReportError(RuntimeError(kErrOverflow));
  SetErrorReporter(nullptr);
  EXPECT_EQ(reported, std::vector<std::int32_t>{kErrOverflow});
}

TEST(Conversions, FpI2RoundsToEvenAndRefusesWhatDoesNotFit) {
  const struct { double value; std::int16_t result; } fits[] = {
      {0.0, 0}, {19.0, 19}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.0, 32767},
      {32767.4, 32767}, {-32768.0, -32768}, {-32768.5, -32768},
  };
  for (const auto& c : fits) EXPECT_EQ(__vbaFpI2(c.value), c.result) << c.value;

  const double overflows[] = {32767.5, 32768.0, -32769.0, 1e300,
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
  for (double value : overflows) {
    try {
      __vbaFpI2(value);
      ADD_FAILURE() << value << " converted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrOverflow) << value;
    }
  }
}

TEST(Conversions, FPIntTakesTheWholePartAndFlagsWhatHasNone) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(__vbaFPInt(19.999), 19.0);
  EXPECT_EQ(__vbaFPInt(-2.5), -3.0);
  EXPECT_EQ(__vbaFPInt(0.0), 0.0);
  EXPECT_FALSE(FPFault());
  EXPECT_TRUE(std::isinf(__vbaFPInt(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(FPFault());
  try {
    __vbaFPException();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrOverflow);
  }
  EXPECT_FALSE(FPFault()) << "the exception clears the flags it reported";
}

TEST(Generator, ValuesStayBelowOneAndFollowTheSeed) {
  DefaultRandom a;
  DefaultRandom b;
  a.Reseed(12345);
  b.Reseed(12345);
  double lowest = 1.0;
  double highest = 0.0;
  for (int i = 0; i < 100000; ++i) {
    const double r = a.Next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    ASSERT_EQ(r, b.Next());
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_LT(lowest, 0.001);
  EXPECT_GT(highest, 0.999);
  b.Reseed(12346);
  EXPECT_NE(a.Next(), b.Next());
}

TEST(Generator, ReseedAndDrawTakeOnlyTheMissingArgument) {
  const Variant missing = Variant::Missing();
  EXPECT_NO_THROW(Randomize(&missing));
  const double r = Rnd(&missing);
  EXPECT_GE(r, 0.0);
  EXPECT_LT(r, 1.0);
  const Variant empty{};
  EXPECT_THROW(Randomize(&empty), RuntimeError);
  EXPECT_THROW(Rnd(&empty), RuntimeError);
}

TEST(ExceptHandler, CleanUpRunsOnlyWhenAnErrorLeavesTheProcedure) {
  std::vector<std::string> steps;
  auto procedure = [&](bool fail) {
    __vbaExceptHandler handler([&] { steps.push_back("cleanup"); }, [&] { steps.push_back("exit"); });
    if (fail) throw RuntimeError(kErrOverflow);
  };
  procedure(false);
  EXPECT_EQ(steps, std::vector<std::string>{"exit"});
  steps.clear();
  EXPECT_THROW(procedure(true), RuntimeError);
  EXPECT_EQ(steps, (std::vector<std::string>{"cleanup", "exit"}));
}

}  // namespace
