#include "report/ReportTypes.h"

#include <algorithm>

namespace zelmora::report {

std::optional<TRect> IntersectRect(const TRect& a, const TRect& b)
{
    const TRect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                       std::min(a.Bottom, b.Bottom)};
    if (common.isEmpty()) {
        return std::nullopt;
    }
    return common;
}

std::optional<TRect> UnionRect(const TRect& a, const TRect& b)
{
    if (a.isEmpty() && b.isEmpty()) {
        return std::nullopt;
    }
    if (a.isEmpty()) {
        return b;
    }
    if (b.isEmpty()) {
        return a;
    }
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
}

TBitmap::TBitmap(int width, int height, TColor fill)
    : Width(std::max(width, 0)), Height(std::max(height, 0)),
      Pixels(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), fill)
{
}

int TPicture::Width() const
{
    if (const auto* b = std::get_if<TBitmap>(&m_graphic)) {
        return b->Width;
    }
    if (const auto* o = std::get_if<TOtherGraphic>(&m_graphic)) {
        return o->Width;
    }
    return 0;
}

int TPicture::Height() const
{
    if (const auto* b = std::get_if<TBitmap>(&m_graphic)) {
        return b->Height;
    }
    if (const auto* o = std::get_if<TOtherGraphic>(&m_graphic)) {
        return o->Height;
    }
    return 0;
}

} // namespace zelmora::report
