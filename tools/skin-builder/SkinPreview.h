#pragma once

#include <QString>

namespace z3::skin_builder {

// Composes screenshots of the written skin the way the program paints its
// windows (page pictures, region copies from over and down, the knobs, the
// labels on top) for every page and the main states, plus the popups, and
// saves them as PNGs into `previewDir`. For reviewing the look only.
bool writePreviews(const QString& skinsDir, const QString& previewDir);

} // namespace z3::skin_builder
