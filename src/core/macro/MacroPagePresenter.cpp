#include "core/macro/MacroPagePresenter.h"

#include "core/app/AppPaths.h"
#include "core/macro/EventList.h"
#include "core/macro/MacroFile.h"
#include "core/macro/MacroPageView.h"
#include "core/macro/MacroRecorder.h"
#include "core/macro/MacroStore.h"
#include "core/text/DecimalPrefix.h"
#include "core/text/Utf16.h"

#include <algorithm>
#include <string>

namespace z3 {
namespace {

constexpr uint32_t kEscape = 27;
constexpr uint32_t kReturn = 13;
constexpr uint32_t kF10 = 121;
constexpr int32_t kMaxRepeatCount = 65535;

} // namespace

MacroPagePresenter::MacroPagePresenter(MacroStore& store, EventList& events, MacroRecorder& recorder,
    MacroPageView& view, UserMessages& messages, FileSystem& files, const AppPaths& paths)
    : m_store(store)
    , m_events(events)
    , m_recorder(recorder)
    , m_view(view)
    , m_messages(messages)
    , m_files(files)
    , m_paths(paths)
{ }

void MacroPagePresenter::onButton(int region)
{
    switch (static_cast<Button>(region)) {
    case Button::Import:
        return importMacros();
    case Button::Export:
        return exportMacros();
    case Button::New:
        return newMacro();
    case Button::Remove:
        return removeSelectedMacro();
    case Button::Record:
        return m_recorder.toggleRecording();
    case Button::ApplyRepeatCount:
        return applyRepeatCount();
    case Button::ToggleRepeat:
        return toggleRepeat();
    }
}

void MacroPagePresenter::refillMacroList()
{
    const MacroStoreData data = m_store.snapshot();
    m_view.clearMacroList();
    const int count = std::clamp<int>(data.count, 0, MacroStoreData::kMaxMacros);
    for (int i = 0; i < count; ++i)
        m_view.addMacroListLine(utf8FromUtf16(data.records[i].nameView()));
    if (count == 0)
        return;
    const int line = std::clamp(data.current, 0, std::max(m_view.macroListCount() - 1, 0));
    m_store.setCurrent(line);
    m_view.selectMacroListLine(line);
    selectMacro();
}

void MacroPagePresenter::selectMacro()
{
    const int line = m_view.macroListSelection();
    if (line < 0 || line >= m_store.count())
        return;
    m_store.setCurrent(line);
    m_view.setNameText(m_view.macroListText(line));
    m_events.showMacroSteps(line);
}

void MacroPagePresenter::importMacros()
{
    const auto path = m_view.chooseImportFile(m_paths.appDirectory());
    if (!path)
        return;
    loadMacroFile(m_store, m_files, *path, m_messages);
    refillMacroList();
    m_view.invalidateWindow();
}

void MacroPagePresenter::exportMacros()
{
    if (const auto path = m_view.chooseExportFile(m_paths.appDirectory()))
        saveMacroFile(m_store, m_files, *path);
}

void MacroPagePresenter::newMacro()
{
    const std::u16string name = utf16FromUtf8(m_view.nameText());
    m_view.setFocus(MacroPageControl::MacroList);
    struct Outcome {
        bool accepted = false;
        bool created = false;
        int current = 0;
        std::u16string storedName;
    };
    const Outcome outcome = m_store.modify([&](MacroStoreData& data) {
        Outcome result;
        const int before = data.count;
        result.accepted = data.createMacro(name);
        result.created = data.count > before;
        result.current = data.current;
        if (result.created)
            result.storedName = data.records[data.current].nameView();
        return result;
    });
    if (!outcome.accepted)
        return; // a full store or no name
    if (outcome.created) {
        m_events.clear();
        m_view.addMacroListLine(utf8FromUtf16(outcome.storedName));
    }
    m_view.selectMacroListLine(outcome.current);
}

void MacroPagePresenter::removeSelectedMacro()
{
    const int line = m_view.macroListSelection();
    if (m_recorder.active() || m_view.macroListCount() == 0 || line < 0)
        return;
    m_store.modify([&](MacroStoreData& data) { data.deleteMacro(line); });
    m_view.removeMacroListLine(line);
    const int next = line >= 1 ? line - 1 : 0;
    m_view.selectMacroListLine(next);
    m_store.setCurrent(next);
    if (m_view.macroListCount() == 0) {
        m_view.setNameText("");
        m_view.setRepeatCountText("1");
        m_view.setRepeatCountEnabled(false);
    } else {
        m_view.setNameText(m_view.macroListText(next));
    }
    m_events.showMacroSteps(next);
}

void MacroPagePresenter::applyRepeatCount()
{
    int32_t value = decimalPrefix(m_view.repeatCountText());
    if (value < 1) {
        value = 1;
        m_view.setRepeatCountText("1");
    } else if (value > kMaxRepeatCount) {
        value = kMaxRepeatCount;
        m_view.setRepeatCountText(std::to_string(kMaxRepeatCount));
    }
    m_store.modify([&](MacroStoreData& data) {
        if (MacroStoreData::isSlot(data.current))
            data.records[data.current].setRepeatCount(static_cast<uint16_t>(value));
    });
    saveMacroFile(m_store, m_files, m_paths.macroDat());
}

void MacroPagePresenter::toggleRepeat()
{
    const MacroRecord record = m_store.modify([](MacroStoreData& data) {
        if (!MacroStoreData::isSlot(data.current))
            return MacroRecord{};
        MacroRecord& current = data.records[data.current];
        current.repeatFlag = current.repeatFlag == 0 ? 1 : 0;
        return current;
    });
    if (record.repeatFlag != 0) {
        m_view.setRepeatCountText(std::to_string(record.repeatCount()));
        m_view.setRepeatCountEnabled(true);
    } else {
        m_view.setRepeatCountText("1");
        m_view.setRepeatCountEnabled(false);
    }
    m_view.invalidateWindow();
}

bool MacroPagePresenter::preTranslateKey(KeyMessage message)
{
    if (m_recorder.active() && m_recorder.recordKeyMessage(message) == MacroRecorder::Next::StandardHandling)
        return false;
    if (message.message == WindowMessage::KeyDown && (message.wParam == kEscape || message.wParam == kReturn))
        return true;
    return WindowMessage::isKey(message.message) && message.wParam == kF10;
}

void MacroPagePresenter::onRightButtonUp(int cursorX, int cursorY)
{
    if (m_recorder.active())
        return;
    m_events.onRightButtonUp(cursorX, cursorY);
}

} // namespace z3
