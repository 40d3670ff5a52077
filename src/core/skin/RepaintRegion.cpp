#include "core/skin/RepaintRegion.h"

namespace z3 {

WindowRegion makeRepaintRegion(const WindowRegion& outline, const PageControlRects& controls)
{
    WindowRegion region = outline;
    for (const PageControl control :
        {PageControl::MacroNameEdit, PageControl::EventListBox, PageControl::MacroListBox})
        region.subtract(controls[control]);
    return region;
}

} // namespace z3
