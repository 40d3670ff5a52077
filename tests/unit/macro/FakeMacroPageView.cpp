#include "FakeMacroPageView.h"

#include "core/macro/EventList.h"

namespace z3::test {

void FakeMacroPageView::showEventListMenu(int x, int y)
{
    menusShown.emplace_back(x, y);
    if (menuChoice != 0 && menuTarget != nullptr)
        menuTarget->runCommand(menuChoice);
}

} // namespace z3::test
