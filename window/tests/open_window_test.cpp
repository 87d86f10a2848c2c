// Opening Form1 from the program's header as the start routine does: the
// embedded stream builds the window with its tables bound; a header or a
// stream that does not fit is refused with the error to report.
#include <gtest/gtest.h>

#include <vector>

#include "control_ids.h"
#include "event_tables.h"
#include "form1.h"
#include "form1_header.h"
#include "window_instance.h"
#include "windows_table.h"

namespace tarvel {
namespace {

using Opened = std::variant<std::unique_ptr<runtime::WindowInstance>, runtime::RuntimeError>;

Opened OpenWith(const runtime::WindowHeader& window, void (*startup)() = nullptr) {
  const runtime::ProgramHeader program{startup, std::span<const runtime::WindowHeader>(&window, 1)};
  return runtime::OpenWindow(program);
}

TEST(OpenWindow, BuildsForm1FromTheEmbeddedStream) {
  const Opened opened = runtime::OpenWindow(ProgramHeader());
  ASSERT_TRUE(std::holds_alternative<std::unique_ptr<runtime::WindowInstance>>(opened));
  const auto& window = *std::get<std::unique_ptr<runtime::WindowInstance>>(opened);
  EXPECT_NE(dynamic_cast<Form1*>(&window.form()), nullptr);
  EXPECT_EQ(window.model().settings.caption, "Тарвел с късмети");
  EXPECT_EQ(window.model().stacking.size(), 26u);
  for (int id = kCommand1Id; id <= kImage1Id; ++id) EXPECT_NE(window.form().Control(id), nullptr) << id;
}

TEST(OpenWindow, RefusesWhatDoesNotFit) {
  std::vector<std::uint8_t> cut(kWindows[0].stream, kWindows[0].stream + kWindows[0].length / 2);
  const runtime::WindowEntry truncated{kWindows[0].id, static_cast<std::uint32_t>(cut.size()), cut.data()};
  runtime::WindowEntry otherId = kWindows[0];
  otherId.id.data1 ^= 1;
  std::array<const runtime::EventTable*, 7> swapped = kEventTables;
  std::swap(swapped[kCommand1Id], swapped[kLabel1Id]);

  struct Case {
    const char* what;
    runtime::WindowHeader header;
    void (*startup)();
    std::int32_t number;
  };
  runtime::WindowHeader renamed = Form1Header(&kWindows[0]);
  renamed.name = "Form2";
  runtime::WindowHeader mistabled = Form1Header(&kWindows[0]);
  mistabled.events = swapped;
  const Case cases[] = {
      {"a truncated stream", Form1Header(&truncated), nullptr, runtime::kErrInvalidFileFormat},
      {"a stream of another window", Form1Header(&otherId), nullptr, runtime::kErrInvalidFileFormat},
      {"no stream", Form1Header(nullptr), nullptr, runtime::kErrInvalidFileFormat},
      {"a description of another name", renamed, nullptr, runtime::kErrInvalidFileFormat},
      {"event tables of the wrong kinds", mistabled, nullptr, runtime::kErrInvalidCall},
      {"a start-up procedure", Form1Header(&kWindows[0]), [] {}, runtime::kErrInvalidCall},
  };
  for (const Case& c : cases) {
    const Opened opened = OpenWith(c.header, c.startup);
    ASSERT_TRUE(std::holds_alternative<runtime::RuntimeError>(opened)) << c.what;
    EXPECT_EQ(std::get<runtime::RuntimeError>(opened).number(), c.number) << c.what;
  }
}

}  // namespace
}  // namespace tarvel
