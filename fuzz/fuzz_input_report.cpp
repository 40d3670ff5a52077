// Input reports of any length and content, on a model set up from the same
// input: the listener's arming, button lookup, DPI steps, macros, shortcuts
// and profile switches must neither crash nor read past a report.
#include "core/config/ConfigStore.h"
#include "core/device/DeviceSession.h"
#include "core/device/HostActionThread.h"
#include "support/NullAdapters.h"

#include <cstring>
#include <map>

namespace z3 {
namespace {

class MemoryFiles final : public FileSystem {
public:
    ReadResult readFile(const std::string& path, size_t maxBytes) const override
    {
        auto found = m_files.find(path);
        if (found == m_files.end())
            return {ReadStatus::Missing, {}};
        if (found->second.size() > maxBytes)
            return {ReadStatus::TooLarge, {}};
        return {ReadStatus::Ok, found->second};
    }
    bool writeFileAtomically(const std::string& path, std::string_view bytes) override
    {
        m_files[path] = std::string(bytes);
        return true;
    }

private:
    std::map<std::string, std::string> m_files;
};

class NoInput final : public HostInput {
public:
    void key(int, KeyDirection) override { }
    void mouseButton(MouseButton, KeyDirection) override { }
};

class InstantClock final : public WaitClock {
public:
    TimePoint now() const override { return {}; }
    bool sleepUntil(TimePoint) override { return true; }
};

// Reads the fuzzer's bytes front to back; zeros once they run out.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    { }
    uint8_t next() { return m_offset < m_size ? m_data[m_offset++] : 0; }
    size_t left() const { return m_size - m_offset; }
    const uint8_t* take(size_t n)
    {
        const uint8_t* at = m_data + m_offset;
        m_offset += n;
        return at;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
};

} // namespace
} // namespace z3

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace z3;
    Bytes in(data, size);
    ConfigModel model;
    for (int b = 1; b <= kButtonCount; ++b)
        model.buttonFunctionCode[b] = static_cast<int8_t>(in.next()); // -128..127 covers every range
    for (int s = 1; s <= kStageCount; ++s) {
        model.dpiStageEnabled[s] = in.next() % 3;
        model.dpiStageValue[s] = in.next();
    }
    model.dpiLevel = static_cast<int8_t>(in.next());
    model.profileIndex = static_cast<int8_t>(in.next());
    model.driverRunning = in.next() & 1;

    MemoryFiles files;
    ConfigStore store(files, "/config.ini");
    DeviceLink link; // no mouse: every send fails quietly
    test::NullDeviceUi ui;
    PromptBlinkThread blink(model, ui);
    DeviceSession session(model, link, store, ui, blink);
    MacroStore macros;
    macros.modify([&](MacroStoreData& data) {
        data.count = static_cast<int16_t>(in.next() % 13);
        for (int m = 0; m < 2; ++m) {
            MacroRecord& r = data.records[m];
            r.eventCount = in.next();
            r.repeatFlag = in.next();
            r.setRepeatCount(in.next() % 4);
            for (size_t k = 0; k < MacroRecord::kStepSlots; ++k)
                r.setEvent(k, {static_cast<uint8_t>(0xE0 + k), static_cast<uint8_t>(k % 4), 0});
        }
    });
    test::NullShellActions shell;
    HostActionThread listener({model, link, session, macros, shell, ui, [] { return nullptr; }});
    InstantClock clock;
    listener.setClock(clock);
    NoInput input;

    // The rest: reports, each a length byte and that many bytes. Each report
    // is copied to a buffer of exactly its size, so a read past its end is
    // caught by the address sanitizer.
    while (in.left() > 0) {
        const size_t length = std::min<size_t>(in.next(), in.left());
        const uint8_t* begin = in.take(length);
        const std::vector<uint8_t> report(begin, begin + length);
        listener.handleReport(report, input);
    }
    return 0;
}
