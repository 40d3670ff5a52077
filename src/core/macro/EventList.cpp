#include "core/macro/EventList.h"

#include "core/macro/MacroPageView.h"
#include "core/macro/MacroStore.h"
#include "core/macro/StepText.h"
#include "core/macro/UserMessages.h"
#include "core/text/DecimalPrefix.h"

#include <algorithm>
#include <string>

namespace z3 {

EventList::EventList(MacroStore& store, MacroPageView& view, UserMessages& messages)
    : m_store(store)
    , m_view(view)
    , m_messages(messages)
{ }

void EventList::selectLastStepOf(int macro)
{
    const int steps = m_store.record(macro).eventCount;
    m_state.selectedLine = steps > 0 ? 2 * steps - 2 : 0;
}

void EventList::clear()
{
    m_state.pressCount = 0;
    m_state.releaseCount = 0;
    m_view.clearEventList();
}

void EventList::appendStepLines(int macro, int k)
{
    if (k < 0 || k >= static_cast<int>(MacroRecord::kStepSlots))
        return;
    const MacroRecord record = m_store.record(macro);
    const MacroEvent step = record.event(k);
    if (step.action == MacroAction::Press)
        ++m_state.pressCount;
    else if (step.action == MacroAction::Release)
        ++m_state.releaseCount;
    if (k > 0)
        m_view.addEventListLine(StepText::pauseLine(record.eventDelays[k - 1]));
    m_view.addEventListLine(StepText::stepLine(step));
    m_view.invalidateWindow();
    m_view.selectEventListLine(m_recording ? m_view.eventListCount() - 1 : m_state.selectedLine);
}

void EventList::showMacroSteps(int macro)
{
    clear();
    const MacroRecord record = m_store.record(macro);
    if (record.eventCount == 0)
        return;
    // A record read from a file may claim 255 steps: every slot exists.
    for (int k = 0; k < record.eventCount; ++k)
        appendStepLines(macro, k);
    if (record.repeatFlag == 1) {
        m_view.setRepeatCountText(std::to_string(record.repeatCount()));
        m_view.setRepeatCountEnabled(true);
    } else {
        m_view.setRepeatCountText("1");
        m_view.setRepeatCountEnabled(false);
    }
}

void EventList::onRightButtonUp(int cursorX, int cursorY)
{
    const ScreenRect rect = m_view.eventListScreenRect();
    const int height = m_view.eventListItemHeight();
    const int scroll = m_view.eventListScrollPosition();
    const int line = height == 0 ? 0 : (height * scroll + cursorY - rect.top) / height;
    m_state.selectedLine = line;
    m_view.selectEventListLine(line);
    m_state.menuLineCount = m_view.eventListCount();
    // The menu's commands may run while it is open, so what they refer to is
    // settled before it opens.
    m_state.menuMacro = std::min(m_view.macroListSelection(), MacroStoreData::kMaxMacros - 1);
    m_state.menuStep = m_view.eventListSelection() / 2; // no selection (-1) gives step 0
    if (rect.contains(cursorX, cursorY) && (line < m_state.menuLineCount || m_state.menuLineCount == 0))
        m_view.showEventListMenu(cursorX, cursorY);
}

bool EventList::macroSelected() const
{
    return m_view.macroListSelection() >= 0;
}

void EventList::insertStep(int position, uint8_t code, uint8_t action)
{
    const bool inserted = m_store.modify([&](MacroStoreData& data) {
        return data.insertMacroEvent(m_state.menuMacro, position, code, action);
    });
    if (inserted)
        m_state.selectedLine += 2;
    else
        m_messages.showMessage(UserMessageText::Overflow);
}

void EventList::runCommand(int command)
{
    if (m_recording || !macroSelected())
        return;
    using namespace EventListCommand;
    static constexpr uint8_t kButtonCodes[]
        = {MacroCode::LeftButton, MacroCode::RightButton, MacroCode::MiddleButton};
    if (command >= InsertBeforeFirst && command <= InsertBeforeLast) {
        const int item = command - InsertBeforeFirst;
        insertStep(m_state.menuStep, kButtonCodes[item / 2],
            item % 2 == 0 ? MacroAction::Press : MacroAction::Release);
        showMacroSteps(m_state.menuMacro);
    } else if (command >= InsertAfterFirst && command <= InsertAfterLast) {
        const int item = command - InsertAfterFirst;
        const uint8_t code = kButtonCodes[item / 2];
        const uint8_t action = item % 2 == 0 ? MacroAction::Press : MacroAction::Release;
        if (m_view.eventListCount() > 0) {
            insertStep(m_state.menuStep + 1, code, action);
        } else {
            insertStep(0, code, action);
            m_state.selectedLine = 0;
        }
        showMacroSteps(m_state.menuMacro);
    } else if (command == Delete) {
        m_store.modify(
            [&](MacroStoreData& data) { data.deleteMacroEvent(m_state.menuMacro, m_state.menuStep); });
        m_state.selectedLine = m_state.selectedLine < 3 ? 0 : m_state.selectedLine - 2;
        showMacroSteps(m_state.menuMacro);
    } else if (command == EditPause) {
        if (m_state.menuLineCount != 0 && m_state.selectedLine > 0 && m_state.selectedLine % 2 == 1)
            beginEdit(m_state.selectedLine);
    }
}

void EventList::beginEdit(int line)
{
    if (m_view.lineEditorOpen())
        return;
    m_view.selectEventListLine(line);
    m_view.openLineEditor(line, m_view.eventListText(line));
    m_editIndex = line;
}

void EventList::endEdit(bool keep)
{
    if (!m_view.lineEditorOpen())
        return;
    if (keep && m_editIndex != -1) {
        const std::string edited = m_view.lineEditorText();
        if (edited != m_view.eventListText(m_editIndex)) {
            m_view.removeEventListLine(m_editIndex);
            m_view.insertEventListLine(m_editIndex, edited);
            m_view.selectEventListLine(m_editIndex);
        }
    }
    m_editIndex = -1;
    m_view.closeLineEditor();
    applyEditedPause();
}

void EventList::applyEditedPause()
{
    const int step = m_state.menuStep;
    const int macro = m_state.menuMacro;
    // Only a pause line holds a pause; the text of a step line would read as 0.
    if (m_state.selectedLine <= 0 || m_state.selectedLine % 2 == 0) {
        showMacroSteps(macro);
        return;
    }
    std::string text = m_view.eventListText(m_state.selectedLine);
    if (const size_t unit = text.find("ms"); unit != std::string::npos)
        text.resize(unit);
    const int32_t value = std::max(decimalPrefix(text), 0);
    const auto delay = static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFF);
    m_store.modify([&](MacroStoreData& data) {
        if (MacroStoreData::isSlot(macro) && step >= 0 && step < static_cast<int>(MacroRecord::kStepSlots))
            data.records[macro].eventDelays[step] = delay;
    });
    showMacroSteps(macro);
}

} // namespace z3
