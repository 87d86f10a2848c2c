// libFuzzer target for the window description reader: any input is either
// read or refused with an offset inside it, and never read outside it.
// Each input is tried as given and again with its stream length made to
// agree, so that the walk behind the header is reached as well.
#include <cstdint>
#include <cstring>
#include <vector>

#include "description.h"

namespace {

void Check(std::span<const std::uint8_t> stream) {
  const auto read = runtime::ReadDescription(stream);
  if (const auto* e = std::get_if<runtime::DescriptionError>(&read)) {
    if (e->offset > stream.size() || e->ToString().empty()) __builtin_trap();
    return;
  }
  const runtime::Description& d = std::get<runtime::Description>(read);
  for (const runtime::Record& r : d.children) {
    for (const runtime::Property& p : r.properties) {
      if (p.offset <= r.offset || p.offset >= stream.size()) __builtin_trap();
      if (const auto* picture = std::get_if<std::span<const std::uint8_t>>(&p.value)) {
        if (picture->data() < stream.data() || picture->data() + picture->size() > stream.data() + stream.size()) {
          __builtin_trap();
        }
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check({data, size});
  if (size >= 93) {
    std::vector<std::uint8_t> agreed(data, data + size);
    const auto length = static_cast<std::uint32_t>(size - 89);
    std::memcpy(agreed.data() + 89, &length, 4);  // little-endian hosts
    Check(agreed);
  }
  return 0;
}
