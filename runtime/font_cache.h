// The fonts of a window's controls in a window layer's own kind, each made
// once from the font that the control stores and kept for the window's life.
#pragma once

#include <map>

#include "window_model.h"

namespace runtime {

template <class Font>
class FontCache {
 public:
  using Make = Font (*)(const FontSpec& spec);
  explicit FontCache(Make make) : make_(make) {}

  const Font& For(const FontSpec& spec) {
    auto found = fonts_.find(spec);
    if (found == fonts_.end()) found = fonts_.emplace(spec, make_(spec)).first;
    return found->second;
  }

 private:
  Make make_;
  std::map<FontSpec, Font> fonts_;
};

}  // namespace runtime
