#pragma once
// Report controls that print figures: shapes (rectangles, rounded rectangles, ellipses)
// and pictures.

#include "core/report/ReportControls.h"

namespace zelmora::report {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TBxShape : public tBxControl {
public:
    TBxShape(TForm* owner, std::string name);

    void Draw(const TRect& rect, const std::string& text) override;

    const TBrush& Brush() const { return m_brush; }
    const TPen& Pen() const { return m_pen; }
    TShapeType Shape() const { return m_shape; }
    void SetBrush(const TBrush& brush);
    void SetPen(const TPen& pen);
    void SetShape(TShapeType shape);

private:
    TBrush m_brush{clWhite, TBrushStyle::bsSolid};
    TPen m_pen{clBlack, TPenStyle::psSolid, 1};
    TShapeType m_shape = TShapeType::stRectangle;
};

class tBxImage : public tBxControl {
public:
    tBxImage(TForm* owner, std::string name);

    void Draw(const TRect& rect, const std::string& text) override;

    const TPicture& Picture() const { return m_picture; }
    // Copies the picture; an auto-size image takes its size.
    void SetPicture(const TPicture& picture);
    void SetAutoSize(bool value);
    void SetCenter(bool value) { m_center = value; }
    void SetStretch(bool value) { m_stretch = value; }
    bool Center() const { return m_center; }
    bool Stretch() const { return m_stretch; }

    TPen FramePen{clBlack, TPenStyle::psDashDot, 1};

private:
    // The picture at its place on a bitmap of the control's design size.
    TBitmap placedBitmap(const TBitmap& picture) const;

    TPicture m_picture;
    bool m_stretch = true;
    bool m_center = true;
};

} // namespace zelmora::report
