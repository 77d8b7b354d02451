#pragma once
// The report engine's canvas over a QPainter: a printer page, a PDF page or a QPicture.
// Texts arrive in Windows-1252 and fonts keep their point size on the device; tabs stop
// every eight average character widths of the font on the device, as on screen.

#include "core/report/ReportCanvas.h"
#include "gui/widgets/QtText.h"

#include <QFont>
#include <QPoint>
#include <QString>

class QPainter;

namespace zelmora::gui {

class QtReportCanvas : public report::ReportCanvas {
public:
    explicit QtReportCanvas(QPainter& painter) : m_painter(painter) {}

    void FillRect(const report::TRect& rect) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int DrawText(std::string_view text, report::TRect& rect, unsigned flags) override;
    void StretchDraw(const report::TRect& rect, const report::TBitmap& bitmap) override;

private:
    // Pen and brush of the canvas onto the painter, for a figure.
    void prepareFigure();

    QPainter& m_painter;
    QPoint m_position;
};

// The Qt font for a report font; a family the system lacks becomes its default sans-serif.
QFont toQFont(const report::TFont& font);

} // namespace zelmora::gui
