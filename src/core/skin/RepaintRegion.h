#pragma once

#include "core/skin/SkinLayouts.h"
#include "core/skin/WindowRegion.h"

namespace z3 {

// The area the main window repaints on its macro page: its outline without
// the macro name edit and the two lists, so those controls are never drawn
// over. The repeat count edit is not cut out: the page paints over it.
WindowRegion makeRepaintRegion(const WindowRegion& outline, const PageControlRects& controls);

} // namespace z3
