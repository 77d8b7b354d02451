#include "gui/report/QtReportCanvas.h"

#include "core/base/Cp1252.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <map>

namespace zelmora::gui {

using namespace zelmora::report;

namespace {

QColor toQColor(TColor color) { return QColor::fromRgb(static_cast<QRgb>(color)); }

Qt::PenStyle toQtStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psSolid: return Qt::SolidLine;
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// The area of a figure whose right and bottom edges are exclusive.
QRect figureRect(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)); }

// Asking the font database is slow and every text asks: remember the answers.
QString familyFor(const std::string& name)
{
    static std::map<std::string, QString> known;
    if (const auto found = known.find(name); found != known.end()) {
        return found->second;
    }
    QString family = fromCp1252(name);
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    known.emplace(name, family);
    return family;
}

} // namespace


QFont toQFont(const TFont& font)
{
    QFont qfont(familyFor(font.Name));
    qfont.setPointSize(std::max(font.Size, 1));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    qfont.setStyleHint(QFont::SansSerif);
    return qfont;
}

void QtReportCanvas::prepareFigure()
{
    const TPen& p = pen();
    // A width of 0 or less is the thinnest line the device draws: one device pixel.
    QPen qpen(toQColor(p.Color), std::max(p.Width, 1), toQtStyle(p.Style), Qt::SquareCap, Qt::MiterJoin);
    m_painter.setPen(qpen);
    if (brush().Style == TBrushStyle::bsSolid) {
        m_painter.setBrush(toQColor(brush().Color));
    } else {
        m_painter.setBrush(Qt::NoBrush);
    }
}

void QtReportCanvas::FillRect(const TRect& rect)
{
    if (brush().Style == TBrushStyle::bsSolid && !rect.isEmpty()) {
        m_painter.fillRect(figureRect(rect.Left, rect.Top, rect.Right, rect.Bottom), toQColor(brush().Color));
    }
}

void QtReportCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    prepareFigure();
    m_painter.drawRect(figureRect(x1, y1, x2, y2));
}

void QtReportCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    prepareFigure();
    m_painter.drawRoundedRect(figureRect(x1, y1, x2, y2), cornerWidth / 2.0, cornerHeight / 2.0);
}

void QtReportCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    prepareFigure();
    m_painter.drawEllipse(figureRect(x1, y1, x2, y2));
}

void QtReportCanvas::MoveTo(int x, int y) { m_position = QPoint(x, y); }

void QtReportCanvas::LineTo(int x, int y)
{
    prepareFigure();
    m_painter.drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

int QtReportCanvas::DrawText(std::string_view text, TRect& rect, unsigned flags)
{
    QString qtext = fromCp1252(text);
    qtext.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    m_painter.setFont(toQFont(font()));

    int alignment = Qt::AlignTop;
    if ((flags & dtCenter) != 0) {
        alignment |= Qt::AlignHCenter;
    } else if ((flags & dtRight) != 0) {
        alignment |= Qt::AlignRight;
    } else {
        alignment |= Qt::AlignLeft;
    }
    const bool wordBreak = (flags & dtWordBreak) != 0;
    if (wordBreak) {
        alignment |= Qt::TextWordWrap;
    }
    if ((flags & dtExpandTabs) != 0) {
        alignment |= Qt::TextExpandTabs;
    }

    if ((flags & dtCalcRect) != 0) {
        constexpr int Unbounded = INT_MAX / 4;
        const int width = wordBreak ? std::max(rect.Right - rect.Left, 1) : Unbounded;
        const QRect bounds = m_painter.fontMetrics().boundingRect(QRect(0, 0, width, Unbounded), alignment, qtext);
        if (!wordBreak) {
            rect.Right = rect.Left + bounds.width();
        }
        rect.Bottom = rect.Top + bounds.height();
        return bounds.height();
    }

    const QRect area(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
    QRect used;
    m_painter.save();
    m_painter.setClipRect(area); // text past the rectangle is cut, as the band clips
    m_painter.setPen(toQColor(font().Color));
    m_painter.drawText(area, alignment, qtext, &used);
    m_painter.restore();
    return used.height();
}

void QtReportCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap)
{
    if (bitmap.Width <= 0 || bitmap.Height <= 0) {
        return;
    }
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x) {
            image.setPixel(x, y, 0xFF000000u | bitmap.pixel(x, y));
        }
    }
    m_painter.drawImage(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top), image);
}

} // namespace zelmora::gui
