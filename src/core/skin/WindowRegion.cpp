#include "core/skin/WindowRegion.h"

#include <algorithm>

namespace z3 {

WindowRegion WindowRegion::fromMask(const MaskPixels& mask)
{
    WindowRegion region;
    if (!mask.valid() || mask.width == 0 || mask.height == 0)
        return region;
    region.m_width = mask.width;
    region.m_height = mask.height;
    region.m_rowStart.reserve(static_cast<size_t>(mask.height) + 1);
    region.m_rowStart.push_back(0);
    for (int32_t y = 0; y < mask.height; ++y) {
        const uint32_t* row = mask.pixels + static_cast<size_t>(y) * mask.stride;
        int32_t x = 0;
        while (x < mask.width) {
            while (x < mask.width && isOutsidePixel(row[x]))
                ++x;
            if (x == mask.width)
                break;
            const int32_t start = x;
            while (x < mask.width && !isOutsidePixel(row[x]))
                ++x;
            region.m_runs.push_back({start, x});
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
