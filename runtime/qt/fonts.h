// Fonts for the controls: the stored face where this machine has exactly
// that family with the stored character set's letters, otherwise DejaVu
// Sans loaded from its file, at the stored size and weight, so that the
// window looks the same whatever font packages are installed.
#pragma once

#include <QFont>
#include <vector>

#include "window_model.h"

namespace runtime::qt {

QFont MakeFont(const FontSpec& spec);

// Loads the system's font configuration on a worker thread. It is most of
// the font database's start, and needs no application object: called as
// the process starts, it runs while the toolkit starts.
void LoadFontConfiguration();

// Looks the stored faces up and registers the fallback on a worker thread
// (the font database serialises its callers), once the font configuration
// is loaded, so that the first paint finds them ready.
void WarmFonts(std::vector<FontSpec> specs);

}  // namespace runtime::qt
