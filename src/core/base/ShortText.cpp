#include "core/base/ShortText.h"

namespace zelmora {

int compareJoined(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2)
{
    const std::string_view aPieces[2] = {a1, a2};
    const std::string_view bPieces[2] = {b1, b2};
    std::size_t aPiece = 0;
    std::size_t bPiece = 0;
    std::string_view a = a1;
    std::string_view b = b1;
    for (;;) {
        if (a.empty() && aPiece == 0) {
            a = aPieces[++aPiece];
        }
        if (b.empty() && bPiece == 0) {
            b = bPieces[++bPiece];
        }
        if (a.empty() || b.empty()) {
            return a.empty() ? (b.empty() ? 0 : -1) : 1;
        }
        const std::size_t n = std::min(a.size(), b.size());
        if (const int c = std::memcmp(a.data(), b.data(), n); c != 0) {
            return c;
        }
        a.remove_prefix(n);
        b.remove_prefix(n);
    }
}

std::string_view trimControls(std::string_view text)
{
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace zelmora
