#pragma once
// The drawing vocabulary of the report engine: device rectangles, colours, pens, brushes,
// fonts, pictures and the text flags, free of any windowing toolkit.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace zelmora::report {

// Misuse of the engine; the messages are fixed English sentences.
class EReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure of the print system, carrying the platform's own message (Windows-1252).
class EPrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Right and bottom are exclusive, as on the platforms the engine was designed for.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    void offset(int dx, int dy)
    {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The common part of two rectangles; nothing when they do not overlap.
std::optional<TRect> IntersectRect(const TRect& a, const TRect& b);
// The smallest rectangle holding both, an empty one counting for nothing; nothing when
// both are empty.
std::optional<TRect> UnionRect(const TRect& a, const TRect& b);

using TColor = std::uint32_t; // 0xRRGGBB
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWindowText = clBlack;

enum class TBrushStyle { bsSolid, bsClear };
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = TPenStyle::psSolid;
    int Width = 1; // device pixels
    friend bool operator==(const TPen&, const TPen&) = default;
};

// A font keeps its point size on every device: a 12-point text is 1/6 inch high on
// the screen and on a 600 dpi printer alike.
struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8; // points
    TColor Color = clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    friend bool operator==(const TFont&, const TFont&) = default;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TPrinterOrientation { poPortrait, poLandscape };

// Flags of the canvas text call; the values are those of the Windows DT_ constants.
enum DrawTextFlag : unsigned {
    dtLeft = 0x0,
    dtCenter = 0x1,
    dtRight = 0x2,
    dtWordBreak = 0x10,
    dtExpandTabs = 0x40,
    dtCalcRect = 0x400,  // measure only: the rectangle takes the text's size
    dtNoPrefix = 0x800,  // "&" prints as itself
};

// A device-independent bitmap: Width x Height colours, row by row.
struct TBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Pixels;

    TBitmap() = default;
    TBitmap(int width, int height, TColor fill = clWhite);
    TColor pixel(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    void setPixel(int x, int y, TColor c) { Pixels[static_cast<std::size_t>(y) * Width + x] = c; }
    friend bool operator==(const TBitmap&, const TBitmap&) = default;
};

// A picture that is not a bitmap (an icon, a vector drawing): it has a size but the
// engine does not draw it.
struct TOtherGraphic {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TOtherGraphic&, const TOtherGraphic&) = default;
};

class TPicture {
public:
    TPicture() = default;
    TPicture(TBitmap bitmap) : m_graphic(std::move(bitmap)) {}       // NOLINT: a bitmap is a picture
    TPicture(TOtherGraphic other) : m_graphic(other) {}              // NOLINT

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_graphic); }
    const TBitmap* bitmap() const { return std::get_if<TBitmap>(&m_graphic); }
    int Width() const;
    int Height() const;
    friend bool operator==(const TPicture&, const TPicture&) = default;

private:
    std::variant<std::monostate, TBitmap, TOtherGraphic> m_graphic;
};

} // namespace zelmora::report
