// Form1's window description: the writer's layout to the byte, the round
// trip through the reader against the design, the embedded stream, and the
// reader's refusal of damaged streams.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control_ids.h"
#include "description.h"
#include "description_writer.h"
#include "form1_design.h"
#include "windows_table.h"

namespace tarvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& s, std::size_t at) {
  return static_cast<std::uint32_t>(s[at] | s[at + 1] << 8 | s[at + 2] << 16) | static_cast<std::uint32_t>(s[at + 3]) << 24;
}
void Put32(Bytes& s, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) s[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Placeholder picture files: a plausible signature, then filler bytes.
struct Pictures {
  std::map<std::string, Bytes, std::less<>> files;
  PictureSource Source() const {
    return [this](std::string_view name) -> std::span<const std::uint8_t> { return files.find(name)->second; };
  }
};

Pictures Placeholders(const std::function<std::size_t(std::string_view, int)>& size) {
  Pictures p;
  int n = 0;
  for (const std::string_view file : PictureFiles(Form1Design())) {
    Bytes bytes(size(file, n++));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const std::string_view sig = file.ends_with(".jpg") ? std::string_view("\xFF\xD8\xFF\xE0", 4) : "GIF89a";
    std::memcpy(bytes.data(), sig.data(), std::min(sig.size(), bytes.size()));
    p.files.emplace(std::string(file), std::move(bytes));
  }
  return p;
}

// The stored sizes of the pictures, in stream order: Image4, Image3, the
// cards from member 19 down to 0, Image1.
const Pictures& StoredSizePictures() {
  static const Pictures p = Placeholders([](std::string_view file, int) -> std::size_t {
    static const std::map<std::string_view, std::size_t> sizes = {
        {"greeting.jpg", 269765}, {"tree.gif", 418306},   {"pastry.gif", 238423}, {"card00.gif", 11335},
        {"card01.gif", 12119},    {"card02.gif", 11980},  {"card03.gif", 12413},  {"card04.gif", 11518},
        {"card05.gif", 12177},    {"card06.gif", 11362},  {"card07.gif", 12207},  {"card08.gif", 11523},
        {"card09.gif", 12297},    {"card10.gif", 12179},  {"card11.gif", 12218},  {"card12.gif", 11629},
        {"card13.gif", 12523},    {"card14.gif", 11569},  {"card15.gif", 11368},  {"card16.gif", 11487},
        {"card17.gif", 11554},    {"card18.gif", 11349},  {"card19.gif", 11558}};
    return sizes.at(file);
  });
  return p;
}

const Pictures& TinyPictures() {
  static const Pictures p = Placeholders([](std::string_view, int n) { return std::size_t(10 + n); });
  return p;
}

const Bytes& TinyStream() {
  static const Bytes s = WriteDescription(Form1Design(), TinyPictures().Source());
  return s;
}

runtime::Description Read(std::span<const std::uint8_t> s) {
  auto read = runtime::ReadDescription(s);
  if (auto* e = std::get_if<runtime::DescriptionError>(&read)) ADD_FAILURE() << e->ToString();
  return std::get<runtime::Description>(std::move(read));
}

TEST(WindowDescription, StoredPicturesGiveTheStoredLayoutToTheByte) {
  const Bytes s = WriteDescription(Form1Design(), StoredSizePictures().Source());
  ASSERT_EQ(s.size(), 1164323u);
  const Bytes header = {0xFF, 0xCC, 0x31, 0x00, 0x06, 0x63, 0xFF, 0xF1, 0xD0, 0xE6, 0x1E, 0xCE, 0x49, 0xBE, 0x9F, 0xCF,
                        0xD3, 0xEC, 0x42, 0x43, 0x84, 0x2D, 0x0F, 0x37, 0x66, 0x06, 0x5F, 0xF4, 0x4A, 0x88, 0xE3, 0xBF,
                        0x06, 0x44, 0xC8, 0x86, 0xBC, 0x3A, 0x4F, 0xAD, 0x33, 0x99, 0x66, 0xCF, 0x11, 0xB7, 0x0C, 0x00,
                        0xAA, 0x00, 0x60, 0xD3, 0x93};
  EXPECT_TRUE(std::equal(header.begin(), header.end(), s.begin()));
  EXPECT_TRUE(std::all_of(s.begin() + 53, s.begin() + 89, [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(U32(s, 89), 1164234u);
  EXPECT_EQ(U32(s, 93), 91u);
  EXPECT_EQ(Bytes(s.begin() + 98, s.begin() + 106), (Bytes{0x05, 0x00, 'F', 'o', 'r', 'm', '1', 0x00}));
  EXPECT_EQ(s[93 + 91 - 1], 0xFF);
  EXPECT_EQ(s[184], 0x01);

  // Walk the record sizes from the first lead byte on.
  std::vector<std::size_t> at;  // of each child's size field
  std::size_t pos = 184;
  while (s[pos] != 0x02) {
    ASSERT_EQ(s[pos], at.empty() ? 0x01 : 0x03) << pos;  // else the sizes lead out of the stream
    ASSERT_LE(pos + 5, s.size()) << pos;
    at.push_back(pos + 1);
    pos = pos + 1 + (U32(s, pos + 1) & 0x7FFFFFFF);
    ASSERT_LT(pos, s.size()) << "a record size past the stream's end";
  }
  ASSERT_EQ(at.size(), 26u);
  EXPECT_EQ(pos, s.size() - 2);
  EXPECT_EQ(Bytes(s.end() - 3, s.end()), (Bytes{0xFF, 0x02, 0x04}));
  EXPECT_EQ(U32(s, at[0]), 80u);           // Command1
  EXPECT_EQ(U32(s, at[1]), 269805u);       // Image4
  EXPECT_EQ(U32(s, at[2]), 0x80000020u);   // the display slot
  EXPECT_EQ(U32(s, at[3]), 418346u);       // Image3
  EXPECT_EQ(U32(s, at[4]), 80u);           // Label1
  EXPECT_EQ(U32(s, at[5]), 0x80000000u | 11605u);  // member 19
  EXPECT_EQ(U32(s, at[25]), 238463u);      // Image1
  // Member 19: size, id, index, name, type, 0x01 and its value, then the picture.
  const std::size_t picture = at[5] + 4 + 1 + 2 + 9 + 1 + 3;
  EXPECT_EQ(s[picture], 0x02);
  EXPECT_EQ(U32(s, picture + 1), 11566u);
  EXPECT_EQ(Bytes(s.begin() + static_cast<long>(picture) + 5, s.begin() + static_cast<long>(picture) + 9),
            (Bytes{0x6C, 0x74, 0x00, 0x00}));
  EXPECT_EQ(U32(s, picture + 9), 11558u);
  const std::size_t image4Picture = at[1] + 4 + 1 + 9 + 1;
  EXPECT_EQ(U32(s, image4Picture + 1), 269773u);
  EXPECT_EQ(U32(s, image4Picture + 9), 269765u);

  auto font = [](std::uint8_t s0, std::uint8_t s1, std::uint8_t s2, std::uint8_t s3) {
    const std::string name = "MS Sans Serif";
    Bytes f = {0x01, 0xCC, 0x00, 0x00, 0xBC, 0x02, s0, s1, s2, s3, 0x0D};
    f.resize(11 + name.size());
    std::memcpy(f.data() + 11, name.data(), name.size());
    return f;
  };
  auto holds = [&s](std::size_t from, std::size_t to, const Bytes& what) {
    return std::search(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(to), what.begin(), what.end()) !=
           s.begin() + static_cast<long>(to);
  };
  EXPECT_TRUE(holds(at[0], at[0] + 80, font(0xDC, 0x7C, 0x01, 0x00)));
  EXPECT_TRUE(holds(at[4], at[4] + 80, font(0x80, 0xA9, 0x03, 0x00)));
}

// Every record's bytes but its picture's, as stored: the window's record and
// the records without a picture whole, the others from their size field
// through the picture's opcode and from behind the picture through their
// terminator.
TEST(WindowDescription, EveryRecordHoldsItsStoredBytes) {
  const Bytes s = WriteDescription(Form1Design(), StoredSizePictures().Source());
  const Bytes window = {
      0x5B, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 'F', 'o', 'r', 'm', '1', 0x00, 0x0D,  // size 91, id 0, name, type
      0x01, 0x10, 0x00, 0xD2, 0xE0, 0xF0, 0xE2, 0xE5, 0xEB, 0x20, 0xF1,              // Caption
      0x20, 0xEA, 0xFA, 0xF1, 0xEC, 0xE5, 0xF2, 0xE8, 0x00,                          //
      0x03, 0x80, 0x00, 0x00, 0x00,                                                  // BackColor
      0x04, 0x00, 0x00, 0x00, 0x00,                                                  // ForeColor
      0x19, 0x01, 0x00,                                                              //
      0x42, 0x00,                                                                    //
      0x22, 0x03,                                                                    // BorderStyle
      0x23, 0xFF, 0xFF, 0xFF, 0xFF,                                                  //
      0x24, 0x05, 0x00, 'F', 'o', 'r', 'm', '1', 0x00,                               //
      0x26, 0x00, 0x27, 0x00,                                                        // MaxButton, MinButton
      0x35, 0x2D, 0x00, 0x00, 0x00, 0x77, 0x01, 0x00, 0x00,                          // client extent
      0x47, 0x31, 0x00, 0x00, 0x07, 0x17, 0x00, 0x00,                                //
      0x44, 0x00,                                                                    // ShowInTaskbar
      0x46, 0x02,                                                                    //
      0xFF};
  EXPECT_EQ(Bytes(s.begin() + 93, s.begin() + 184), window);

  const Bytes sansSerif = {0x01, 0xCC, 0x00, 0x00, 0xBC, 0x02};  // a font's version, charset, flags, weight
  const Bytes name = {0x0D, 'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f'};
  auto cat = [](std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  auto le = [](std::uint32_t v, int n) {
    Bytes b;
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return b;
  };
  struct Stored {
    Bytes head;  // through the picture's opcode, or the whole record
    Bytes tail;  // behind the picture; empty without one
  };
  std::vector<Stored> children = {
      {cat({{0x50, 0x00, 0x00, 0x00, 0x01, 0x08, 0x00, 'C', 'o', 'm', 'm', 'a', 'n', 'd', '1', 0x00, 0x04},
            {0x01, 0x0E, 0x00, 0xC8, 0xE7, 0xF2, 0xE5, 0xE3, 0xEB, 0xE8, 0x20, 0xEA, 0xFA, 0xF1, 0xEC, 0xE5, 0xF2, 0x00},
            {0x03, 0xFF, 0x80, 0x80, 0x00},
            {0x04, 0xE0, 0x01, 0xA0, 0x14, 0x3F, 0x0C, 0xEF, 0x01},
            {0x11, 0x00, 0x00},
            {0x1D}, sansSerif, {0xDC, 0x7C, 0x01, 0x00}, name,
            {0x29, 0x01, 0xFF}}),
       {}},
      {{0xED, 0x1D, 0x04, 0x00, 0x02, 0x06, 0x00, 'I', 'm', 'a', 'g', 'e', '4', 0x00, 0x18, 0x02},
       {0x03, 0xD8, 0x18, 0xF0, 0x00, 0x6F, 0x18, 0x67, 0x11, 0x0A, 0xFF, 0xFF}},
      {{0x20, 0x00, 0x00, 0x80, 0x03, 0x14, 0x00, 0x06, 0x00, 'I', 'm', 'a', 'g', 'e', '2', 0x00, 0x18,
        0x01, 0x14, 0x00, 0x03, 0xB0, 0x04, 0x08, 0x07, 0x4F, 0x0B, 0x5F, 0x0A, 0x0A, 0xFF, 0xFF},
       {}},
      {{0x2A, 0x62, 0x06, 0x00, 0x04, 0x06, 0x00, 'I', 'm', 'a', 'g', 'e', '3', 0x00, 0x18, 0x02},
       {0x03, 0x28, 0x14, 0xE0, 0x01, 0x47, 0x04, 0x8F, 0x07, 0x0A, 0xFF, 0xFF}},
      {cat({{0x50, 0x00, 0x00, 0x00, 0x05, 0x06, 0x00, 'L', 'a', 'b', 'e', 'l', '1', 0x00, 0x01},
            {0x01, 0x10, 0x00, 0xD2, 0xE0, 0xF0, 0xE2, 0xE5, 0xEB, 0x20, 0xF1, 0x20, 0xEA, 0xFA, 0xF1, 0xEC, 0xE5, 0xF2,
             0xE8, 0x00},
            {0x04, 0xFF, 0xFF, 0xFF, 0x00},
            {0x05, 0x68, 0x01, 0x68, 0x01, 0x37, 0x14, 0x57, 0x03},
            {0x12, 0x01, 0x00},
            {0x1F, 0x00},
            {0x25}, sansSerif, {0x80, 0xA9, 0x03, 0x00}, name,
            {0xFF}}),
       {}},
  };
  // The cards, members 19 down to 0: each in its grid place, 1215 twips
  // square, hidden; the record its image's length plus 47 long.
  const std::uint16_t places[20][2] = {
      {6360, 240},   {7680, 240},   {9000, 240},   {10320, 4200}, {9000, 4200},  {7680, 4200},  {6360, 4200},
      {11640, 2880}, {10320, 2880}, {9000, 2880},  {7680, 2880},  {6360, 2880},  {11640, 1560}, {10320, 1560},
      {9000, 1560},  {7680, 1560},  {6360, 1560},  {11640, 4200}, {11640, 240},  {10320, 240}};
  for (std::uint8_t member = 20; member-- > 0;) {
    const std::string file = (member < 10 ? "card0" : "card") + std::to_string(member) + ".gif";
    const auto size = static_cast<std::uint32_t>(StoredSizePictures().files.find(file)->second.size());
    children.push_back({cat({le(0x80000000u | (size + 47), 4),
                             {0x03, member, 0x00, 0x06, 0x00, 'I', 'm', 'a', 'g', 'e', '2', 0x00, 0x18},
                             {0x01, member, 0x00, 0x02}}),
                        cat({{0x03}, le(places[member][0], 2), le(places[member][1], 2), {0xBF, 0x04, 0xBF, 0x04},
                             {0x08, 0x00, 0x0A, 0xFF, 0xFF}})});
  }
  children.push_back({{0x7F, 0xA3, 0x03, 0x00, 0x06, 0x06, 0x00, 'I', 'm', 'a', 'g', 'e', '1', 0x00, 0x18, 0x02},
                      {0x03, 0x58, 0x02, 0xE0, 0x01, 0x17, 0x16, 0x27, 0x15, 0x0A, 0xFF, 0xFF}});

  std::size_t at = 185;  // the first child's size field
  for (std::size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "child " << i);
    const Stored& c = children[i];
    ASSERT_EQ(s[at - 1], i == 0 ? 0x01 : 0x03);
    const std::size_t end = at + (U32(s, at) & 0x7FFFFFFF);
    ASSERT_LE(end, s.size());
    EXPECT_EQ(Bytes(s.begin() + static_cast<long>(at), s.begin() + static_cast<long>(at + c.head.size())), c.head);
    if (!c.tail.empty()) {
      const std::size_t behind = at + c.head.size() + 4 + U32(s, at + c.head.size());  // past the picture
      ASSERT_EQ(behind + c.tail.size(), end);
      EXPECT_EQ(Bytes(s.begin() + static_cast<long>(behind), s.begin() + static_cast<long>(end)), c.tail);
    } else {
      EXPECT_EQ(at + c.head.size(), end);
    }
    at = end + 1;
  }
  EXPECT_EQ(at, s.size() - 1);  // the end bytes 02 04 follow
}

// The value that a designed one reads back as, a picture given its bytes.
bool SameValue(const DesignValue& designed, const runtime::PropertyValue& read, const Pictures& pictures,
               std::span<const std::uint8_t> stream) {
  if (const auto* picture = std::get_if<PictureFile>(&designed)) {
    const auto* span = std::get_if<std::span<const std::uint8_t>>(&read);
    if (!span) return false;
    const Bytes& file = pictures.files.find(picture->file)->second;
    const bool inStream = span->data() >= stream.data() && span->data() + span->size() <= stream.data() + stream.size();
    return inStream && std::equal(span->begin(), span->end(), file.begin(), file.end());
  }
  return designed.index() == read.index() && std::visit(
      [&read](const auto& d) {
        using T = std::decay_t<decltype(d)>;
        if constexpr (std::is_same_v<T, PictureFile>) {
          return false;
        } else {
          return std::get<T>(read) == d;
        }
      },
      designed);
}

void ExpectDesign(const runtime::Description& d, const Pictures& pictures, std::span<const std::uint8_t> stream) {
  const Design& design = Form1Design();
  EXPECT_EQ(d.windowId, design.windowId);
  EXPECT_EQ(d.secondWindowId, design.secondWindowId);
  EXPECT_EQ(d.windowClassId, design.windowClassId);
  EXPECT_EQ(d.controlCount, 6);
  const std::map<std::string, int> ids = {{"Form1", kForm1Id},   {"Command1", kCommand1Id}, {"Image4", kImage4Id},
                                          {"Image2", kImage2Id}, {"Image3", kImage3Id},     {"Label1", kLabel1Id},
                                          {"Image1", kImage1Id}};
  std::vector<const runtime::Record*> read = {&d.window};
  std::vector<const DesignRecord*> designed = {&design.window};
  for (const runtime::Record& r : d.children) read.push_back(&r);
  for (const DesignRecord& r : design.children) designed.push_back(&r);
  ASSERT_EQ(read.size(), designed.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    const runtime::Record& r = *read[i];
    const DesignRecord& w = *designed[i];
    SCOPED_TRACE(testing::Message() << w.name << "(" << (w.index ? std::to_string(*w.index) : "") << ")");
    EXPECT_EQ(r.name, w.name);
    EXPECT_EQ(r.type, w.type);
    EXPECT_EQ(r.index, w.index);
    EXPECT_EQ(r.id, ids.at(w.name));
    ASSERT_EQ(r.properties.size(), w.properties.size());
    for (std::size_t p = 0; p < w.properties.size(); ++p) {
      EXPECT_EQ(r.properties[p].opcode, w.properties[p].opcode);
      EXPECT_TRUE(SameValue(w.properties[p].value, r.properties[p].value, pictures, stream)) << "property " << p;
    }
  }
}

TEST(WindowDescription, ReadsBackAsItsDesign) {
  const Bytes s = WriteDescription(Form1Design(), StoredSizePictures().Source());
  const runtime::Description d = Read(s);
  ExpectDesign(d, StoredSizePictures(), s);
  // The typed view the window builder uses.
  const runtime::Property* extent = d.window.Find(runtime::Prop::ClientExtent);
  ASSERT_NE(extent, nullptr);
  EXPECT_EQ(std::get<runtime::Extent>(extent->value).width, 12615);
  EXPECT_EQ(std::get<std::string>(d.children[0].Find(runtime::Prop::Caption)->value), "Изтегли късмет");
  EXPECT_EQ(d.children[2].Find(runtime::Prop::Picture), nullptr);
}

TEST(WindowDescription, TheProgramCarriesItsStreamAndTableOfWindows) {
  const runtime::WindowEntry& entry = kWindows[0];
  EXPECT_EQ(entry.id, kForm1WindowId);
  const std::span<const std::uint8_t> s(entry.stream, entry.length);
  EXPECT_EQ(entry.stream[entry.length], 0x00);  // the pad byte
  const runtime::Description d = Read(s);
  EXPECT_EQ(d.windowId, entry.id);
  std::size_t pictures = 0;
  for (const runtime::Record& r : d.children) {
    if (const runtime::Property* p = r.Find(runtime::Prop::Picture)) {
      const auto file = std::get<std::span<const std::uint8_t>>(p->value);
      const bool gif = file.size() > 6 && std::memcmp(file.data(), "GIF89a", 6) == 0;
      const bool jpeg = file.size() > 2 && file[0] == 0xFF && file[1] == 0xD8;
      EXPECT_TRUE(r.name == "Image4" ? jpeg : gif) << r.name;
      ++pictures;
    }
  }
  EXPECT_EQ(pictures, 23u);
}

// --- Damaged streams ---

struct Damage {
  const char* what;
  std::function<void(Bytes&, const runtime::Description&)> damage;
  std::function<std::size_t(const Bytes&, const runtime::Description&)> offset;
  const char* message;  // a part of the refusal's message
};

void FixLength(Bytes& s) { Put32(s, 89, static_cast<std::uint32_t>(s.size() - 89)); }

// The stream of a design changed by change, with tiny pictures.
Bytes Redesigned(const std::function<void(Design&)>& change) {
  Design d = Form1Design();
  change(d);
  return WriteDescription(d, TinyPictures().Source());
}

std::size_t PropAt(const runtime::Record& r, runtime::Prop prop) { return r.Find(prop)->offset; }

TEST(WindowDescription, RefusesEachDamageWithItsOffsetAndReason) {
  using D = const runtime::Description&;
  const std::vector<Damage> table = {
      {"signature", [](Bytes& s, D) { s[1] = 0xCD; }, [](const Bytes&, D) { return 0u; }, "signature FF CC"},
      {"block length", [](Bytes& s, D) { s[2] = 50; }, [](const Bytes&, D) { return 2u; }, "block length 49, found 50"},
      {"stream length", [](Bytes& s, D) { s[89] ^= 1; }, [](const Bytes&, D) { return 89u; }, "the total less 89"},
      {"control count", [](Bytes& s, D) { s[4] = 7; }, [](const Bytes&, D) { return 4u; }, "control count 6"},
      {"window size past the end", [](Bytes& s, D) { Put32(s, 93, 0x7FFFFFF0); }, [](const Bytes&, D) { return 93u; },
       "record size within the stream"},
      {"window size one long", [](Bytes& s, D) { Put32(s, 93, 92); }, [](const Bytes&, D) { return 93u + 91u; },
       "terminator 0xFF where the record size points, found 0x01"},
      {"window with bit 31", [](Bytes& s, D) { s[96] = 0x80; }, [](const Bytes&, D) { return 93u; }, "bit 31 clear"},
      {"window type", [](Bytes& s, D) { s[106] = 0x0C; }, [](const Bytes&, D) { return 106u; }, "window's type 0x0D"},
      {"name without its NUL", [](Bytes& s, D) { s[105] = 'X'; }, [](const Bytes&, D) { return 105u; },
       "NUL after a control name"},
      {"byte without a character", [](Bytes& s, D) { s[110] = 0x98; }, [](const Bytes&, D) { return 110u; }, "0x98"},
      {"first lead byte", [](Bytes& s, D) { s[184] = 0x03; }, [](const Bytes&, D) { return 184u; }, "lead byte 0x01"},
      {"later lead byte", [](Bytes& s, D d) { s[d.children[1].offset - 1] = 0x01; },
       [](const Bytes&, D d) { return d.children[1].offset - 1; }, "lead byte 0x03"},
      {"size short of the terminator", [](Bytes& s, D d) { Put32(s, d.children[0].offset, 79); },
       [](const Bytes&, D d) { return d.children[0].offset + 78; }, "terminator 0xFF where the record size points"},
      {"size short onto an 0xFF value",  // a card ends 0A FF FF: one short points at the boolean's 0xFF
       [](Bytes& s, D d) { Put32(s, d.children[5].offset, U32(s, d.children[5].offset) - 1); },
       [](const Bytes&, D d) { return PropAt(d.children[5], runtime::Prop::Stretch) + 1; }, "a boolean value (1 byte)"},
      {"terminator before the size's end", [](Bytes& s, D d) { s[PropAt(d.children[0], runtime::Prop::Style)] = 0xFF; },
       [](const Bytes&, D d) { return PropAt(d.children[0], runtime::Prop::Style); }, "a terminator stands here"},
      {"foreign opcode", [](Bytes& s, D d) { s[PropAt(d.children[2], runtime::Prop::Stretch)] = 0x07; },
       [](const Bytes&, D d) { return PropAt(d.children[2], runtime::Prop::Stretch); }, "opcode of the image type, found 0x07"},
      {"child type", [](Bytes& s, D d) { s[d.children[0].offset + 16] = 0x05; },
       [](const Bytes&, D d) { return d.children[0].offset + 16; }, "control type 0x01, 0x04 or 0x18, found 0x05"},
      {"control id", [](Bytes& s, D d) { s[d.children[1].offset + 4] = 3; },
       [](const Bytes&, D d) { return d.children[1].offset + 4; }, "control id 2 for the new control Image4"},
      {"array id", [](Bytes& s, D d) { s[d.children[5].offset + 4] = 4; },
       [](const Bytes&, D d) { return d.children[5].offset + 4; }, "control id 3 of Image2"},
      {"wrong outer length", [](Bytes& s, D d) { ++s[PropAt(d.children[1], runtime::Prop::Picture) + 1]; },
       [](const Bytes&, D d) { return PropAt(d.children[1], runtime::Prop::Picture) + 9; }, "(the outer length less 8)"},
      {"outer length past the record", [](Bytes& s, D d) { Put32(s, PropAt(d.children[1], runtime::Prop::Picture) + 1, 0x7FFFFFFF); },
       [](const Bytes&, D d) { return PropAt(d.children[1], runtime::Prop::Picture) + 5; }, "the picture that its outer length counts"},
      {"picture tag", [](Bytes& s, D d) { s[PropAt(d.children[1], runtime::Prop::Picture) + 6] = 0x75; },
       [](const Bytes&, D d) { return PropAt(d.children[1], runtime::Prop::Picture) + 5; }, "tag 6C 74 00 00"},
      {"boolean", [](Bytes& s, D d) { s[PropAt(d.children[1], runtime::Prop::Stretch) + 1] = 0x01; },
       [](const Bytes&, D d) { return PropAt(d.children[1], runtime::Prop::Stretch) + 1; }, "boolean 0x00 or 0xFF, found 0x01"},
      // Without bit 31 the member index 20 reads as the name's length.
      {"bit 31 cleared on a member", [](Bytes& s, D d) { s[d.children[2].offset + 3] = 0x00; },
       [](const Bytes&, D d) { return d.children[2].offset + 7 + 20; }, "NUL after a control name"},
      {"missing end byte", [](Bytes& s, D) { s.pop_back(); FixLength(s); }, [](const Bytes& s, D) { return s.size(); },
       "the end byte 0x04 (1 byte)"},
      {"wrong end byte", [](Bytes& s, D) { s.back() = 0x05; }, [](const Bytes& s, D) { return s.size() - 1; },
       "end byte 0x04, found 0x05"},
      {"bytes after the end", [](Bytes& s, D) { s.push_back(0); FixLength(s); }, [](const Bytes& s, D) { return s.size() - 1; },
       "1 byte follows"},
  };
  const Bytes& good = TinyStream();
  const runtime::Description d = Read(good);
  for (const Damage& c : table) {
    Bytes s = good;
    c.damage(s, d);
    const auto read = runtime::ReadDescription(s);
    const auto* e = std::get_if<runtime::DescriptionError>(&read);
    ASSERT_NE(e, nullptr) << c.what;
    EXPECT_EQ(e->offset, c.offset(s, d)) << c.what << ": " << e->ToString();
    EXPECT_NE(e->message.find(c.message), std::string::npos) << c.what << ": " << e->ToString();
  }
}

TEST(WindowDescription, RefusesRecordsThatBreakTheArrayRules) {
  // Within a member's record the first opcode stands at 17 (size, id, index,
  // name "Image2", type); within Image4's at 15.
  struct Case {
    const char* what;
    std::function<void(Design&)> change;
    std::size_t child;  // whose record is refused
    std::size_t into;   // the refusal's offset from that record's size field
    const char* message;
  };
  const std::vector<Case> cases = {
      {"bit 31 without the Index property", [](Design& d) { d.children[2].properties.erase(d.children[2].properties.begin()); },
       2, 0, "Index property 0x01 on an array member"},
      {"Index property and member index apart", [](Design& d) { d.children[2].properties[0].value = std::int16_t{19}; },
       2, 17, "equal the member index 20, found 19"},
      {"Index property without bit 31",
       [](Design& d) { d.children[1].properties.insert(d.children[1].properties.begin(), {0x01, std::int16_t{0}}); }, 1,
       15, "no Index property"},
      {"a member twice", [](Design& d) { d.children[6] = d.children[5]; }, 6, 0, "member 19 twice"},
      {"a control twice", [](Design& d) { d.children[4] = d.children[1]; }, 4, 0, "one record only for Image4"},
      {"properties out of order", [](Design& d) { std::swap(d.children[2].properties[1], d.children[2].properties[2]); },
       2, 17 + 3 + 2, "stored order, found 0x03"},
  };
  for (const Case& c : cases) {
    const Bytes s = Redesigned(c.change);
    const auto read = runtime::ReadDescription(s);
    const auto* e = std::get_if<runtime::DescriptionError>(&read);
    ASSERT_NE(e, nullptr) << c.what;
    std::size_t at = 185;  // the first child's size field
    for (std::size_t i = 0; i < c.child; ++i) at += (U32(s, at) & 0x7FFFFFFF) + 1;
    EXPECT_EQ(e->offset, at + c.into) << c.what << ": " << e->ToString();
    EXPECT_NE(e->message.find(c.message), std::string::npos) << c.what << ": " << e->ToString();
  }
}

TEST(WindowDescription, RefusesEveryTruncationWithinItsBounds) {
  const Bytes& good = TinyStream();
  for (std::size_t cut = 0; cut < good.size(); ++cut) {
    Bytes s(good.begin(), good.begin() + static_cast<long>(cut));
    // A plain cut is caught by the header: its size, or its stream length.
    const auto plain = runtime::ReadDescription(s);
    ASSERT_TRUE(std::holds_alternative<runtime::DescriptionError>(plain)) << cut;
    EXPECT_EQ(std::get<runtime::DescriptionError>(plain).offset, cut < 93 ? cut : 89u) << cut;
    // With the stream length made to agree, the walk itself must refuse it
    // at or before the cut.
    if (cut >= 93) {
      FixLength(s);
      const auto walked = runtime::ReadDescription(s);
      ASSERT_TRUE(std::holds_alternative<runtime::DescriptionError>(walked)) << cut;
      EXPECT_LE(std::get<runtime::DescriptionError>(walked).offset, cut) << cut;
    }
  }
}

TEST(WindowDescription, ErrorsNameTheirOffset) {
  EXPECT_EQ((runtime::DescriptionError{184, "expected the lead byte 0x01"}.ToString()), "offset 184: expected the lead byte 0x01");
}

}  // namespace
}  // namespace tarvel
