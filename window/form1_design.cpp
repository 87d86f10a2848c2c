// Form1's design table.
#include "form1_design.h"

#include <stdexcept>

namespace tarvel {
namespace {

using runtime::Colour;
using runtime::ControlType;
using runtime::Extent;
using runtime::FontValue;

constexpr const char* kCardFiles[20] = {
    "card00.gif", "card01.gif", "card02.gif", "card03.gif", "card04.gif", "card05.gif", "card06.gif",
    "card07.gif", "card08.gif", "card09.gif", "card10.gif", "card11.gif", "card12.gif", "card13.gif",
    "card14.gif", "card15.gif", "card16.gif", "card17.gif", "card18.gif", "card19.gif",
};

// The card grid: the member index at each place, rows from the top.
constexpr std::int16_t kGrid[4][5] = {
    {0, 1, 2, 19, 18},
    {16, 15, 14, 13, 12},
    {11, 10, 9, 8, 7},
    {6, 5, 4, 3, 17},
};
constexpr std::int32_t kGridLeft = 6360, kGridTop = 240, kGridPitch = 1320, kCardSide = 1215;

Extent CardPlace(std::int16_t member) {
  for (std::int32_t row = 0; row < 4; ++row) {
    for (std::int32_t col = 0; col < 5; ++col) {
      if (kGrid[row][col] == member) {
        return {kGridLeft + col * kGridPitch, kGridTop + row * kGridPitch, kCardSide, kCardSide};
      }
    }
  }
  return {};
}

FontValue SansSerif(std::uint32_t size) { return {1, 204, 0, 700, size, "MS Sans Serif"}; }

DesignRecord Picture(std::string name, std::string_view file, Extent place) {
  return {std::move(name), ControlType::Image, std::nullopt,
          {{0x02, PictureFile{file}}, {0x03, place}, {0x0A, true}}};
}

Design Build() {
  Design d{kForm1WindowId, kForm1SecondId, kWindowClassId, {}, {}};
  d.window = {"Form1",
              ControlType::Form,
              std::nullopt,
              {
                  {0x01, std::string("Тарвел с късмети")},
                  {0x03, Colour{0x00000080}},
                  {0x04, Colour{0x00000000}},
                  {0x19, std::int16_t{1}},
                  {0x42, std::uint8_t{0}},
                  {0x22, std::uint8_t{3}},
                  {0x23, std::uint32_t{0xFFFFFFFF}},
                  {0x24, std::string("Form1")},
                  {0x26, std::uint8_t{0}},
                  {0x27, std::uint8_t{0}},
                  {0x35, Extent{45, 375, 12615, 5895}},
                  {0x44, std::uint8_t{0}},
                  {0x46, std::uint8_t{2}},
              }};
  d.children.push_back({"Command1",
                        ControlType::CommandButton,
                        std::nullopt,
                        {
                            {0x01, std::string("Изтегли късмет")},
                            {0x03, Colour{0x008080FF}},
                            {0x04, Extent{480, 5280, 3135, 495}},
                            {0x11, std::int16_t{0}},
                            {0x1D, SansSerif(97500)},
                            {0x29, std::uint8_t{1}},
                        }});
  d.children.push_back(Picture("Image4", "greeting.jpg", {6360, 240, 6255, 4455}));
  d.children.push_back({"Image2",
                        ControlType::Image,
                        std::int16_t{20},
                        {{0x01, std::int16_t{20}}, {0x03, Extent{1200, 1800, 2895, 2655}}, {0x0A, true}}});
  d.children.push_back(Picture("Image3", "tree.gif", {5160, 480, 1095, 1935}));
  d.children.push_back({"Label1",
                        ControlType::Label,
                        std::nullopt,
                        {
                            {0x01, std::string("Тарвел с късмети")},
                            {0x04, Colour{0x00FFFFFF}},
                            {0x05, Extent{360, 360, 5175, 855}},
                            {0x12, std::int16_t{1}},
                            {0x1F, std::uint8_t{0}},
                            {0x25, SansSerif(240000)},
                        }});
  for (std::int16_t member = 19; member >= 0; --member) {
    d.children.push_back({"Image2",
                          ControlType::Image,
                          member,
                          {
                              {0x01, member},
                              {0x02, PictureFile{kCardFiles[static_cast<std::size_t>(member)]}},
                              {0x03, CardPlace(member)},
                              {0x08, std::uint8_t{0}},
                              {0x0A, true},
                          }});
  }
  d.children.push_back(Picture("Image1", "pastry.gif", {600, 480, 5655, 5415}));
  return d;
}

}  // namespace

const Design& Form1Design() {
  static const Design design = Build();
  return design;
}

namespace {

runtime::Extent ExtentIn(const DesignRecord& record) {
  for (const DesignProperty& p : record.properties)
    if (const auto* extent = std::get_if<Extent>(&p.value)) return *extent;
  throw std::out_of_range(record.name + " has no place in the design");
}

}  // namespace

runtime::Extent ClientArea(const Design& design) { return ExtentIn(design.window); }

runtime::Extent Placed(const Design& design, std::string_view name, std::optional<std::int16_t> index) {
  for (const DesignRecord& record : design.children)
    if (record.name == name && record.index == index) return ExtentIn(record);
  throw std::out_of_range("the design has no " + std::string(name));
}

std::vector<std::string_view> PictureFiles(const Design& design) {
  std::vector<std::string_view> files;
  for (const DesignRecord& rec : design.children) {
    for (const DesignProperty& p : rec.properties) {
      if (const auto* picture = std::get_if<PictureFile>(&p.value)) files.push_back(picture->file);
    }
  }
  return files;
}

}  // namespace tarvel
