// Where the build put the 23 pictures, and which GIF files there are.
#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace assets_test {

inline std::string PicturePath(const std::string& name) { return std::string(TARVEL_PICTURES_DIR) + "/" + name; }

inline std::string CardName(int member) {
  char name[16];
  std::snprintf(name, sizeof name, "card%02d.gif", member);
  return name;
}

struct GifCase {
  std::string name;
  int width, height;
  friend void PrintTo(const GifCase& c, std::ostream* os) { *os << c.name; }
};

inline std::vector<GifCase> AllGifs() {
  std::vector<GifCase> cases = {{"tree.gif", 1000, 1325}, {"pastry.gif", 1000, 700}};
  for (int m = 0; m < 20; ++m) cases.push_back({CardName(m), 200, 200});
  return cases;
}

}  // namespace assets_test
