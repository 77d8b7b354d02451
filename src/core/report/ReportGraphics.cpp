#include "core/report/ReportGraphics.h"

#include "core/report/TBxPrinter.h"

#include <algorithm>

namespace zelmora::report {

TBxShape::TBxShape(TForm* owner, std::string name) : tBxControl(owner, std::move(name))
{
    AutoSize = false;
    Transparent = true;
    Width = 65;
    Height = 65;
}

void TBxShape::SetBrush(const TBrush& brush) { m_brush = brush; }

void TBxShape::SetPen(const TPen& pen) { m_pen = pen; }

void TBxShape::SetShape(TShapeType shape) { m_shape = shape; }

void TBxShape::Draw(const TRect& rect, const std::string& /*text*/)
{
    ReportCanvas& canvas = Printer().Canvas();
    canvas.pen() = m_pen;
    if (canvas.pen().Width <= 0) {
        canvas.pen().Width = 1;
    }
    canvas.brush() = m_brush;

    int x = rect.Left;
    int y = rect.Top;
    int w = rect.Right - rect.Left;
    int h = rect.Bottom - rect.Top;
    const int m = std::min(w, h);
    if (m_shape == TShapeType::stSquare || m_shape == TShapeType::stRoundSquare || m_shape == TShapeType::stCircle) {
        x += (w - m) / 2;
        y += (h - m) / 2;
        w = m;
        h = m;
    }
    switch (m_shape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
        if (w > 1 && h > 1) {
            canvas.Rectangle(x, y, x + w, y + h);
        } else {
            // Too thin for an outline: a rule along the longer side.
            canvas.MoveTo(x, y);
            if (w > 1) {
                canvas.LineTo(x + w, y);
            } else {
                canvas.LineTo(x, y + h);
            }
        }
        break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: canvas.RoundRect(x, y, x + w, y + h, m / 4, m / 4); break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle: canvas.Ellipse(x, y, x + w, y + h); break;
    }
}

tBxImage::tBxImage(TForm* owner, std::string name) : tBxControl(owner, std::move(name))
{
    AutoSize = false;
    Width = 100;
    Height = 100;
}

void tBxImage::SetPicture(const TPicture& picture)
{
    m_picture = picture;
    if (AutoSize) {
        Width = m_picture.Width();
        Height = m_picture.Height();
    }
}

void tBxImage::SetAutoSize(bool value)
{
    if (value == AutoSize) {
        return;
    }
    AutoSize = value;
    if (AutoSize) {
        Width = m_picture.Width();
        Height = m_picture.Height();
    }
}

TBitmap tBxImage::placedBitmap(const TBitmap& picture) const
{
    const int ox = m_center ? (Width - picture.Width) / 2 : 0;
    const int oy = m_center ? (Height - picture.Height) / 2 : 0;
    TBitmap placed(Width, Height);
    for (int y = std::max(0, oy); y < std::min(Height, oy + picture.Height); ++y) {
        for (int x = std::max(0, ox); x < std::min(Width, ox + picture.Width); ++x) {
            placed.setPixel(x, y, picture.pixel(x - ox, y - oy));
        }
    }
    return placed;
}

void tBxImage::Draw(const TRect& rect, const std::string& /*text*/)
{
    ReportCanvas& canvas = Printer().Canvas();
    const TBitmap* bitmap = m_picture.bitmap();
    if (bitmap == nullptr) {
        canvas.pen() = FramePen;
        canvas.brush().Style = TBrushStyle::bsClear; // an outline only
        canvas.Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
    } else if (m_stretch) {
        canvas.StretchDraw(rect, *bitmap);
    } else {
        canvas.StretchDraw(rect, placedBitmap(*bitmap));
    }
}

} // namespace zelmora::report
