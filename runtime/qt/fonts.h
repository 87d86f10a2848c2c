// Fonts for the controls: the stored face where this machine has exactly
// that family with the stored character set's letters, otherwise DejaVu
// Sans loaded from its file, at the stored size and weight, so that the
// window looks the same whatever font packages are installed.
#pragma once

#include <QFont>

#include "window_model.h"

namespace vb::qt {

QFont MakeFont(const FontSpec& spec);

}  // namespace vb::qt
