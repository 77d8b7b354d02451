#include "core/report/ReportTypes.h"

#include <algorithm>
#include <type_traits>

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

namespace {

// A side of whatever the picture holds; an empty picture measures 0.
template <class Side>
int measure(const std::variant<std::monostate, TBitmap, TOtherGraphic>& graphic, Side side)
{
    return std::visit(
        [&](const auto& held) {
            if constexpr (std::is_same_v<std::decay_t<decltype(held)>, std::monostate>) {
                return 0;
            } else {
                return side(held);
            }
        },
        graphic);
}

} // namespace

int TPicture::Width() const
{
    return measure(m_graphic, [](const auto& held) { return held.Width; });
}

int TPicture::Height() const
{
    return measure(m_graphic, [](const auto& held) { return held.Height; });
}

} // namespace zelmora::report
