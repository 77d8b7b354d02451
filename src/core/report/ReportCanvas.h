#pragma once
// The surface a report draws on: a printer page or a recorded page. The current brush,
// pen and font are state of the canvas, as the drawing calls read them.

#include "core/report/ReportTypes.h"

#include <string_view>

namespace zelmora::report {

class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    TBrush& brush() { return m_brush; }
    TPen& pen() { return m_pen; }
    TFont& font() { return m_font; }
    const TBrush& brush() const { return m_brush; }
    const TPen& pen() const { return m_pen; }
    const TFont& font() const { return m_font; }

    // Fills with the brush, without outline.
    virtual void FillRect(const TRect& rect) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Draws `text` (Windows-1252) in the font, clipped to `rect`; with dtCalcRect draws
    // nothing and sets the rectangle's right (unless word-breaking) and bottom to the
    // text's extent. Returns the text's height.
    virtual int DrawText(std::string_view text, TRect& rect, unsigned flags) = 0;
    virtual void StretchDraw(const TRect& rect, const TBitmap& bitmap) = 0;

private:
    TBrush m_brush;
    TPen m_pen;
    TFont m_font;
};

} // namespace zelmora::report
