#include "core/device/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <optional>

namespace z3 {
namespace {

// Item types and tags of the short items used for report lengths.
enum class ItemType : uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace mainTag {
constexpr uint8_t kInput = 0x8;
constexpr uint8_t kOutput = 0x9;
constexpr uint8_t kCollection = 0xA;
constexpr uint8_t kFeature = 0xB;
constexpr uint8_t kEndCollection = 0xC;
} // namespace mainTag

namespace globalTag {
constexpr uint8_t kUsagePage = 0x0;
constexpr uint8_t kReportSize = 0x7;
constexpr uint8_t kReportId = 0x8;
constexpr uint8_t kReportCount = 0x9;
constexpr uint8_t kPush = 0xA;
constexpr uint8_t kPop = 0xB;
} // namespace globalTag

namespace localTag {
constexpr uint8_t kUsage = 0x0;
}

constexpr uint8_t kLongItemPrefix = 0xFE;
// Push nests global state; real descriptors use one or two levels.
constexpr std::size_t kMaxPushDepth = 32;
constexpr uint64_t kBitCap = uint64_t(1) << 40;

struct GlobalState {
    uint16_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

enum ReportKind { kInputKind, kOutputKind, kFeatureKind, kKindCount };

// Bits per report id and kind of the collection being read. A report that
// has data items counts even with no bits (a report made of its id alone).
struct CollectionReports {
    std::array<std::array<uint64_t, 256>, kKindCount> bits{};
    std::array<bool, kKindCount> present{};
    bool usesReportIds = false;
};

uint16_t byteLength(const CollectionReports& reports, ReportKind kind)
{
    const auto& perId = reports.bits[kind];
    if (!reports.present[kind])
        return 0;
    const uint64_t maxBits = *std::max_element(perId.begin(), perId.end());
    const uint64_t bytes = (maxBits + 7) / 8 + (reports.usesReportIds ? 1 : 0);
    return static_cast<uint16_t>(std::min<uint64_t>(bytes, 0xFFFF));
}

class Parser {
public:
    explicit Parser(std::span<const uint8_t> descriptor)
        : m_in(descriptor)
    { }

    std::vector<TopLevelCollection> run()
    {
        while (m_pos < m_in.size()) {
            const uint8_t prefix = m_in[m_pos];
            if (prefix == kLongItemPrefix) {
                // Long items carry no report layout; skip them whole.
                if (m_pos + 2 >= m_in.size() || m_pos + 3 + m_in[m_pos + 1] > m_in.size())
                    break;
                m_pos += 3 + m_in[m_pos + 1];
                continue;
            }
            const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
            if (m_pos + 1 + size > m_in.size())
                break;
            uint32_t data = 0;
            for (std::size_t i = 0; i < size; ++i)
                data |= uint32_t(m_in[m_pos + 1 + i]) << (8 * i);
            m_pos += 1 + size;
            item(static_cast<ItemType>((prefix >> 2) & 3), prefix >> 4, data, size);
        }
        if (m_depth > 0)
            finishCollection();
        return std::move(m_result);
    }

private:
    void item(ItemType type, uint8_t tag, uint32_t data, std::size_t size)
    {
        switch (type) {
        case ItemType::Main:
            mainItem(tag);
            m_usage.reset(); // local state ends with every main item
            m_usagePageOfUsage.reset();
            break;
        case ItemType::Global:
            globalItem(tag, data);
            break;
        case ItemType::Local:
            if (tag == localTag::kUsage && !m_usage) {
                // A 4-byte usage carries its own usage page in the high word.
                m_usage = static_cast<uint16_t>(data & 0xFFFF);
                if (size == 4)
                    m_usagePageOfUsage = static_cast<uint16_t>(data >> 16);
            }
            break;
        case ItemType::Reserved:
            break;
        }
    }

    void mainItem(uint8_t tag)
    {
        switch (tag) {
        case mainTag::kCollection:
            if (m_depth == 0) {
                m_current = {};
                m_reports = {};
                m_current.usagePage = m_usagePageOfUsage.value_or(m_global.usagePage);
                m_current.usage = m_usage.value_or(0);
            }
            ++m_depth;
            break;
        case mainTag::kEndCollection:
            if (m_depth == 0)
                break;
            if (--m_depth == 0)
                finishCollection();
            break;
        case mainTag::kInput:
            addReportItem(kInputKind);
            break;
        case mainTag::kOutput:
            addReportItem(kOutputKind);
            break;
        case mainTag::kFeature:
            addReportItem(kFeatureKind);
            break;
        default:
            break;
        }
    }

    void globalItem(uint8_t tag, uint32_t data)
    {
        switch (tag) {
        case globalTag::kUsagePage:
            m_global.usagePage = static_cast<uint16_t>(data);
            break;
        case globalTag::kReportSize:
            m_global.reportSize = data;
            break;
        case globalTag::kReportId:
            m_global.reportId = static_cast<uint8_t>(data);
            break;
        case globalTag::kReportCount:
            m_global.reportCount = data;
            break;
        case globalTag::kPush:
            if (m_stack.size() < kMaxPushDepth)
                m_stack.push_back(m_global);
            break;
        case globalTag::kPop:
            if (!m_stack.empty()) {
                m_global = m_stack.back();
                m_stack.pop_back();
            }
            break;
        default:
            break;
        }
    }

    // Data items outside any collection belong to no top-level collection.
    void addReportItem(ReportKind kind)
    {
        if (m_depth == 0)
            return;
        if (m_global.reportId != 0)
            m_reports.usesReportIds = true;
        m_reports.present[kind] = true;
        uint64_t& bits = m_reports.bits[kind][m_global.reportId];
        bits = std::min(bits + uint64_t(m_global.reportSize) * m_global.reportCount, kBitCap);
    }

    void finishCollection()
    {
        m_current.inputReportLength = byteLength(m_reports, kInputKind);
        m_current.outputReportLength = byteLength(m_reports, kOutputKind);
        m_current.featureReportLength = byteLength(m_reports, kFeatureKind);
        m_result.push_back(m_current);
        m_depth = 0;
    }

    std::span<const uint8_t> m_in;
    std::size_t m_pos = 0;
    GlobalState m_global;
    std::vector<GlobalState> m_stack;
    std::optional<uint16_t> m_usage;
    std::optional<uint16_t> m_usagePageOfUsage;
    std::size_t m_depth = 0;
    TopLevelCollection m_current;
    CollectionReports m_reports;
    std::vector<TopLevelCollection> m_result;
};

} // namespace

std::vector<TopLevelCollection> parseReportDescriptor(std::span<const uint8_t> descriptor)
{
    return Parser(descriptor).run();
}

} // namespace z3
