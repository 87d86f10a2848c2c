// The builder: records to controls, the control array's Item and the
// stacking order.
#include <gtest/gtest.h>

#include "builder.h"

namespace runtime {
namespace {

Property P(std::uint8_t opcode, Prop prop, PropertyValue value) {
  return Property{opcode, Encoding::Byte, prop, std::move(value), 0};
}

Record Rec(ControlType type, std::string name, std::uint8_t id, std::vector<Property> props,
           std::optional<std::int16_t> index = std::nullopt) {
  return Record{0, type, std::move(name), id, index, std::move(props)};
}

const std::uint8_t kFile[] = {'G', 'I', 'F', '8', '9', 'a'};

Description Sample() {
  Description d{};
  d.window = Rec(ControlType::Form, "Form1", 0,
                 {P(0x01, Prop::Caption, std::string("Тарвел")), P(0x03, Prop::BackColor, Colour{0x80}),
                  P(0x22, Prop::BorderStyle, std::uint8_t{3}), P(0x26, Prop::MaxButton, std::uint8_t{0}),
                  P(0x27, Prop::MinButton, std::uint8_t{0}),
                  P(0x35, Prop::ClientExtent, Extent{45, 375, 12615, 5895}),
                  P(0x44, Prop::ShowInTaskbar, std::uint8_t{0}), P(0x46, Prop::StartUpPosition, std::uint8_t{2})});
  d.children.push_back(Rec(ControlType::CommandButton, "Command1", 1,
                           {P(0x01, Prop::Caption, std::string("Изтегли")), P(0x03, Prop::BackColor, Colour{0x8080FF}),
                            P(0x04, Prop::Extent, Extent{480, 5280, 3135, 495}), P(0x11, Prop::TabIndex, std::int16_t{0}),
                            P(0x1D, Prop::Font, FontValue{1, 204, 0, 700, 97500, "MS Sans Serif"}),
                            P(0x29, Prop::Style, std::uint8_t{1})}));
  d.children.push_back(Rec(ControlType::Image, "Image2", 3,
                           {P(0x01, Prop::Index, std::int16_t{1}), P(0x03, Prop::Extent, Extent{1200, 1800, 2895, 2655}),
                            P(0x0A, Prop::Stretch, true)},
                           1));
  d.children.push_back(Rec(ControlType::Label, "Label1", 5,
                           {P(0x04, Prop::ForeColor, Colour{0xFFFFFF}), P(0x05, Prop::Extent, Extent{360, 360, 5175, 855}),
                            P(0x1F, Prop::BackStyle, std::uint8_t{0})}));
  d.children.push_back(Rec(ControlType::Image, "Image2", 3,
                           {P(0x01, Prop::Index, std::int16_t{0}),
                            P(0x02, Prop::Picture, std::span<const std::uint8_t>(kFile)),
                            P(0x03, Prop::Extent, Extent{6360, 240, 1215, 1215}), P(0x08, Prop::Visible, std::uint8_t{0}),
                            P(0x0A, Prop::Stretch, true)},
                           0));
  d.children.push_back(Rec(ControlType::Image, "Image1", 6, {P(0x03, Prop::Extent, Extent{600, 480, 5655, 5415})}));
  return d;
}

struct Built {
  Ref<Form> form = Make<Form>();
  WindowModel model;
};

Built BuildOk(const Description& d) {
  Built b;
  auto result = BuildWindow(d, *b.form);
  if (auto* e = std::get_if<BuildError>(&result)) ADD_FAILURE() << e->message;
  else b.model = std::move(std::get<WindowModel>(result));
  return b;
}

TEST(Builder, RecordsBecomeSettingsAndControls) {
  Built b = BuildOk(Sample());
  const FormSettings& s = b.model.settings;
  EXPECT_EQ(s.caption, "Тарвел");
  EXPECT_EQ(s.backColor, Colour{0x80});
  EXPECT_EQ(s.borderStyle, BorderStyle::FixedDialog);
  EXPECT_FALSE(s.maxButton);
  EXPECT_FALSE(s.minButton);
  EXPECT_FALSE(s.showInTaskbar);
  EXPECT_EQ(s.startUpPosition, StartUpPosition::CentreScreen);
  EXPECT_EQ(ToPixels(s.client, 15.0), (PixelRect{3, 25, 841, 393}));

  auto* button = dynamic_cast<ButtonControl*>(b.form->Control(1));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->caption, "Изтегли");
  EXPECT_EQ(button->style, ButtonStyle::Graphical);
  EXPECT_EQ(button->font.name, "MS Sans Serif");
  EXPECT_DOUBLE_EQ(button->font.points, 9.75);
  EXPECT_EQ(button->font.weight, 700);
  EXPECT_EQ(button->font.charset, 204);

  auto* label = dynamic_cast<LabelControl*>(b.form->Control(5));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->backStyle, BackStyle::Transparent);
  EXPECT_EQ(label->caption, "");               // not stored: the default
  EXPECT_EQ(label->font.points, 8.25);         // not stored: the default

  auto* array = dynamic_cast<ImageArray*>(b.form->Control(3));
  ASSERT_NE(array, nullptr);
  EXPECT_EQ(array->size(), 2u);
  EXPECT_TRUE(array->Member(1)->base.visible);
  EXPECT_EQ(array->Member(1)->picture(), nullptr);
  EXPECT_FALSE(array->Member(0)->base.visible);
  ASSERT_NE(array->Member(0)->picture(), nullptr);
  EXPECT_EQ(array->Member(0)->picture()->File().data(), kFile);  // a view of the stream, not a copy

  auto* single = dynamic_cast<ImageControl*>(b.form->Control(6));
  ASSERT_NE(single, nullptr);
  EXPECT_FALSE(single->stretch);  // not stored: the default
  EXPECT_TRUE(single->base.visible);
}

TEST(Builder, StackingFollowsRecordOrder) {
  Built b = BuildOk(Sample());
  std::vector<std::string> order;
  for (const Layer& layer : b.model.stacking) {
    const ControlBase& base = BaseOf(layer);
    order.push_back(base.name + (base.index ? "(" + std::to_string(*base.index) + ")" : ""));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Command1", "Image2(1)", "Label1", "Image2(0)", "Image1"}));
  // The slot lies over Image1 and is hit first; the button is not windowless.
  const Layer* hit = WindowlessAt(b.model, 100, 150, 15.0);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(BaseOf(*hit).index, std::optional<std::int16_t>(1));
  // A hidden member is not hit: Image1 lies under it.
  hit = WindowlessAt(b.model, 6400 / 15, 300 / 15, 15.0);
  EXPECT_EQ(hit, nullptr);  // the hidden card's place lies outside Image1 too
}

TEST(Builder, ItemGivesCountedMembersAndRefusesBadIndexes) {
  Built b = BuildOk(Sample());
  auto* array = dynamic_cast<ControlArray*>(b.form->Control(3));
  ASSERT_NE(array, nullptr);
  for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{20}, std::int16_t{32767}}) {
    Image* member = reinterpret_cast<Image*>(0x1);
    EXPECT_EQ(array->Item(bad, &member), ControlError(340)) << bad;
    EXPECT_EQ(member, nullptr);
  }
  EXPECT_EQ(array->Item(0, nullptr), E_POINTER);

  auto* held = dynamic_cast<ImageArray*>(array)->Member(0);
  const auto before = held->RefCount();
  Image* member = nullptr;
  ASSERT_EQ(array->Item(0, &member), S_OK);
  EXPECT_EQ(member, held);
  EXPECT_EQ(held->RefCount(), before + 1);
  Picture* picture = nullptr;
  ASSERT_EQ(member->get_Picture(&picture), S_OK);
  ASSERT_NE(picture, nullptr);
  picture->Release();
  member->Release();
  EXPECT_EQ(held->RefCount(), before);
}

TEST(Builder, PictureSetAndClearTellTheListener) {
  Built b = BuildOk(Sample());
  auto* array = dynamic_cast<ImageArray*>(b.form->Control(3));
  ImageControl* slot = array->Member(1);
  int told = 0;
  slot->SetListener([&](const Extent& area) {
    ++told;
    EXPECT_EQ(area, (Extent{1200, 1800, 2895, 2655}));
  });
  Picture* card = array->Member(0)->picture();
  EXPECT_EQ(slot->put_Picture(card), S_OK);
  EXPECT_EQ(slot->picture(), card);
  EXPECT_EQ(slot->put_Visible(true), S_OK);  // unchanged: nothing to repaint
  EXPECT_EQ(slot->put_Visible(false), S_OK);
  EXPECT_EQ(slot->put_Picture(nullptr), S_OK);
  EXPECT_EQ(slot->picture(), nullptr);
  EXPECT_EQ(told, 3);
}

// The title bar's boxes, as both window layers draw them: only the fixed
// single and the sizable frame have a minimize or a maximize box.
TEST(Builder, TitleBarBoxesFollowTheFrame) {
  const struct { BorderStyle border; bool min, max; } cases[] = {
      {BorderStyle::None, false, false},        {BorderStyle::FixedSingle, true, true},
      {BorderStyle::Sizable, true, true},       {BorderStyle::FixedDialog, false, false},
      {BorderStyle::FixedToolWindow, false, false}, {BorderStyle::SizableToolWindow, false, false}};
  for (const auto& c : cases) {
    FormSettings s;
    s.borderStyle = c.border;
    const int border = static_cast<int>(c.border);
    EXPECT_EQ(s.HasMinimizeBox(), c.min) << border;
    EXPECT_EQ(s.HasMaximizeBox(), c.max) << border;
    s.minButton = s.maxButton = false;
    EXPECT_FALSE(s.HasMinimizeBox() || s.HasMaximizeBox()) << border;
  }
}

// Descriptions that cannot make a window, each refused with a message.
TEST(Builder, RefusesRecordsItCannotBuild) {
  struct Case {
    const char* what;
    void (*spoil)(Description&);
  };
  const Case cases[] = {
      {"a window record of another type", [](Description& d) { d.window.type = ControlType::Label; }},
      {"a child with the window's id", [](Description& d) { d.children[0].id = 0; }},
      {"two names under one id", [](Description& d) { d.children[3].name = "Other"; }},
      {"two single controls under one id", [](Description& d) { d.children.push_back(d.children[0]); }},
      {"a member index used twice", [](Description& d) { d.children[3].index = 1; }},
      {"a button array", [](Description& d) { d.children[0].index = 0; }},
      {"a window among the children", [](Description& d) { d.children[4].type = ControlType::Form; }},
      {"a border style past the last", [](Description& d) { d.window.properties[2].value = std::uint8_t{6}; }},
      {"a start-up position past the last", [](Description& d) { d.window.properties[7].value = std::uint8_t{4}; }},
      {"a button style past the last", [](Description& d) { d.children[0].properties[5].value = std::uint8_t{2}; }},
      {"a back style past the last", [](Description& d) { d.children[2].properties[2].value = std::uint8_t{2}; }},
  };
  for (const Case& c : cases) {
    Description d = Sample();
    c.spoil(d);
    auto form = Make<Form>();
    auto result = BuildWindow(d, *form);
    EXPECT_TRUE(std::holds_alternative<BuildError>(result)) << c.what;
  }
}

}  // namespace
}  // namespace runtime
