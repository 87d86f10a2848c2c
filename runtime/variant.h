// The variant, as far as the draw action uses it: empty, or the missing
// argument of an optional parameter.
#pragma once

#include <cstdint>

#include "com.h"

namespace runtime {

enum VarType : std::uint16_t {
  VT_EMPTY = 0,
  VT_ERROR = 10,
};

struct Variant {
  VarType vt = VT_EMPTY;
  Status scode = 0;  // meaningful for VT_ERROR

  // The argument passed for an optional parameter that is left out.
  static constexpr Variant Missing() { return {VT_ERROR, DISP_E_PARAMNOTFOUND}; }
  bool IsMissing() const { return vt == VT_ERROR && scode == DISP_E_PARAMNOTFOUND; }
};

}  // namespace runtime
