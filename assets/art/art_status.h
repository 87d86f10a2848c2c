// Whether the three decorative drawings are still flat stand-ins. Checks
// of the pictures' content skip while this is true.
#pragma once

namespace assets {
inline constexpr bool kArtIsStandIn = false;
}  // namespace assets
