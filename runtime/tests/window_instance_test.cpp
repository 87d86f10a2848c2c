// Event delivery through the bound tables: a procedure runs with the
// window, an empty slot does nothing, and a run-time error or a failing
// status from a procedure is reported while the window goes on.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "window_instance.h"

namespace runtime {
namespace {

std::vector<std::string> ran;
std::uint32_t sinks = 0;

Status QueryInterface(const EventTable* self, const Guid& iid, const EventTable** out) {
  if (iid != kUnknownIid) return E_NOINTERFACE;
  ++sinks;
  *out = self;
  return S_OK;
}
std::uint32_t AddRef(const EventTable*) { return ++sinks; }
std::uint32_t Release(const EventTable*) { return --sinks; }

Status Fine(Form*) {
  ran.push_back("fine");
  return S_OK;
}
Status Raises(Form*) {
  ran.push_back("raises");
  throw RuntimeError(kErrOverflow, "in the procedure");
}
Status Fails(Form*) {
  ran.push_back("fails");
  return ControlError(340);
}

Form* NewForm() { return new Form; }

Description OneLabel() {
  Description d{};
  d.window = Record{0, ControlType::Form, "Form1", 0, std::nullopt, {}};
  d.children.push_back(Record{0, ControlType::Label, "Label1", 1, std::nullopt,
                              {Property{0x05, Encoding::Extent, Prop::Extent, Extent{0, 0, 150, 150}, 0}}});
  return d;
}

TEST(WindowInstance, DeliversThroughTheTablesAndReportsWhatFails) {
  std::array<EventProc, form_event::kCount> formSlots{};
  formSlots[form_event::Click] = &Fails;
  std::array<EventProc, label_event::kCount> labelSlots{};
  labelSlots[label_event::Click] = &Fine;
  labelSlots[label_event::DblClick] = &Raises;
  const EventTable formTable{QueryInterface, AddRef, Release, formSlots};
  const EventTable labelTable{QueryInterface, AddRef, Release, labelSlots};
  const std::array<const EventTable*, 2> tables{&formTable, &labelTable};
  std::vector<RuntimeError> reported;
  SetErrorReporter([&](const RuntimeError& e) { reported.push_back(e); });
  ran.clear();
  {
    auto opened = OpenWindow(WindowHeader{"Form1", nullptr, &NewForm, tables}, OneLabel());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<WindowInstance>>(opened));
    auto& window = *std::get<std::unique_ptr<WindowInstance>>(opened);
    EXPECT_EQ(sinks, 2u);  // both tables bound
    const std::uint32_t formCount = window.form().RefCount();

    window.ClickAt(5, 5, 15.0);     // on the label
    window.ClickAt(50, 50, 15.0);   // on the window, whose Click fails
    window.Raise(1, label_event::DblClick);
    window.Raise(1, label_event::Change);  // an empty slot
    window.Raise(7, 0);                    // no such control
    EXPECT_EQ(ran, (std::vector<std::string>{"fine", "fails", "raises"}));
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].number(), 340);
    EXPECT_EQ(reported[1].number(), kErrOverflow);
    EXPECT_EQ(window.form().RefCount(), formCount);  // the hold on the window was released
  }
  EXPECT_EQ(sinks, 0u);  // unbound with the window
  SetErrorReporter(nullptr);
}

}  // namespace
}  // namespace runtime
