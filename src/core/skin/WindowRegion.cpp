#include "core/skin/WindowRegion.h"

#include <algorithm>
#include <cstring>

namespace z3 {
namespace {

// The mask rule for one pixel without branches: a channel b is above 100
// when its high bit is set or its low seven bits plus 27 reach 128; the
// three lanes cannot carry into each other. 1 for inside, 0 for outside.
inline uint8_t insideFlag(uint32_t argb)
{
    const uint32_t high = argb & 0x808080u;
    const uint32_t above = high | (((argb & 0x7F7F7Fu) + 0x1B1B1Bu) & 0x808080u);
    return static_cast<uint8_t>(above != 0x808080u);
}

} // namespace

WindowRegion WindowRegion::fromMask(const MaskPixels& mask)
{
    WindowRegion region;
    if (!mask.valid() || mask.width == 0 || mask.height == 0)
        return region;
    region.m_width = mask.width;
    region.m_height = mask.height;
    region.m_rowStart.reserve(static_cast<size_t>(mask.height) + 1);
    region.m_rowStart.push_back(0);
    // Classify a row into flags first (a tight loop without branches), then
    // find the runs' ends with memchr, which skips long uniform stretches fast.
    std::vector<uint8_t> inside(static_cast<size_t>(mask.width));
    const uint8_t* const first = inside.data();
    const uint8_t* const last = first + inside.size();
    for (int32_t y = 0; y < mask.height; ++y) {
        const uint32_t* row = mask.pixels + static_cast<size_t>(y) * mask.stride;
        for (size_t x = 0; x < inside.size(); ++x)
            inside[x] = insideFlag(row[x]);
        const uint8_t* at = first;
        while (at < last) {
            const auto* start
                = static_cast<const uint8_t*>(std::memchr(at, 1, static_cast<size_t>(last - at)));
            if (start == nullptr)
                break;
            const auto* end
                = static_cast<const uint8_t*>(std::memchr(start, 0, static_cast<size_t>(last - start)));
            if (end == nullptr)
                end = last;
            region.m_runs.push_back({static_cast<int32_t>(start - first), static_cast<int32_t>(end - first)});
            at = end;
        }
        region.m_rowStart.push_back(static_cast<uint32_t>(region.m_runs.size()));
    }
    return region;
}

bool WindowRegion::contains(int32_t x, int32_t y) const
{
    if (y < 0 || y >= m_height)
        return false;
    const auto first = m_runs.begin() + m_rowStart[static_cast<size_t>(y)];
    const auto last = m_runs.begin() + m_rowStart[static_cast<size_t>(y) + 1];
    // The first run ending after x is the only one that can hold it.
    const auto run = std::upper_bound(first, last, x, [](int32_t px, const Run& r) { return px < r.x1; });
    return run != last && run->x0 <= x;
}

void WindowRegion::subtract(const ControlRect& rect)
{
    const int32_t top = std::max(rect.top, 0);
    const int32_t bottom = std::min(rect.bottom, m_height);
    if (rect.left >= rect.right || top >= bottom)
        return;
    std::vector<uint32_t> rowStart;
    std::vector<Run> runs;
    rowStart.reserve(m_rowStart.size());
    runs.reserve(m_runs.size() + static_cast<size_t>(bottom - top));
    rowStart.push_back(0);
    for (int32_t y = 0; y < m_height; ++y) {
        const bool cut = y >= top && y < bottom;
        for (uint32_t i = m_rowStart[static_cast<size_t>(y)]; i < m_rowStart[static_cast<size_t>(y) + 1];
             ++i) {
            const Run run = m_runs[i];
            if (!cut || run.x1 <= rect.left || run.x0 >= rect.right) {
                runs.push_back(run);
                continue;
            }
            if (run.x0 < rect.left)
                runs.push_back({run.x0, rect.left});
            if (run.x1 > rect.right)
                runs.push_back({rect.right, run.x1});
        }
        rowStart.push_back(static_cast<uint32_t>(runs.size()));
    }
    m_rowStart = std::move(rowStart);
    m_runs = std::move(runs);
}

std::vector<WindowRegion::Rect> WindowRegion::bands() const
{
    std::vector<Rect> rects;
    rects.reserve(m_runs.size());
    int32_t y = 0;
    while (y < m_height) {
        const auto begin = m_runs.begin() + m_rowStart[static_cast<size_t>(y)];
        const auto end = m_runs.begin() + m_rowStart[static_cast<size_t>(y) + 1];
        int32_t next = y + 1;
        while (next < m_height
            && std::equal(begin, end, m_runs.begin() + m_rowStart[static_cast<size_t>(next)],
                m_runs.begin() + m_rowStart[static_cast<size_t>(next) + 1]))
            ++next;
        for (auto run = begin; run != end; ++run)
            rects.push_back({run->x0, y, run->x1 - run->x0, next - y});
        y = next;
    }
    return rects;
}

} // namespace z3
