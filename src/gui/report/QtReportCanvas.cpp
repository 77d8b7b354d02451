#include "gui/report/QtReportCanvas.h"

#include "core/base/Cp1252.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

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

// A run of text without tabs, at its distance from the start of its line.
struct TextPiece {
    QString text;
    qreal x = 0;
};

struct TextLine {
    std::vector<TextPiece> pieces;
    qreal width = 0;
};

// Text laid out as the classic text call lays it out on a device: lines at line breaks,
// words wrapped within a width when asked, and each tab advancing to the next stop
// counted from the start of its line. Every piece is drawn at a place of our own: Qt's
// own tab stops are scaled by the device's resolution once more, which on a printer
// sends the rest of a line inches to the right, and a recorded page replays tabs as blanks.
struct TextLayout {
    QFontMetricsF metrics;
    qreal tabStop = 1;
    bool expandTabs = false;

    TextLine line(const QString& text) const
    {
        TextLine laid;
        const QStringList runs = expandTabs ? text.split(QChar('\t')) : QStringList{QString(text).replace('\t', ' ')};
        for (qsizetype i = 0; i < runs.size(); ++i) {
            if (i > 0) {
                laid.width = (std::floor(laid.width / tabStop) + 1) * tabStop;
            }
            if (!runs[i].isEmpty()) {
                laid.pieces.push_back({runs[i], laid.width});
                laid.width += metrics.horizontalAdvance(runs[i]);
            }
        }
        return laid;
    }

    // The lines of one paragraph within `width`, broken between words; the blanks at a
    // break are dropped, and a word wider than the width keeps a line of its own.
    QStringList wrapped(const QString& paragraph, qreal width) const
    {
        const auto isBlank = [](QChar c) { return c == QChar(' ') || c == QChar('\t'); };
        QStringList lines;
        QString current;
        bool hasWord = false;
        qsizetype at = 0;
        while (at < paragraph.size()) {
            qsizetype end = at;
            while (end < paragraph.size() && !isBlank(paragraph[end])) {
                ++end;
            }
            const QString word = paragraph.mid(at, end - at);
            if (hasWord && line(current + word).width > width) {
                lines.push_back(trimmedEnd(current));
                current.clear();
            }
            current += word;
            hasWord = hasWord || !word.isEmpty();
            at = end;
            while (at < paragraph.size() && isBlank(paragraph[at])) {
                current += paragraph[at++];
            }
        }
        lines.push_back(trimmedEnd(current));
        return lines;
    }

    // Every line of `text`; nothing wraps without a width.
    std::vector<TextLine> lines(const QString& text, std::optional<qreal> width) const
    {
        std::vector<TextLine> laid;
        for (const QString& paragraph : text.split(QChar('\n'))) {
            for (const QString& part : width ? wrapped(paragraph, *width) : QStringList{paragraph}) {
                laid.push_back(line(part));
            }
        }
        return laid;
    }

    static QString trimmedEnd(QString text)
    {
        while (!text.isEmpty() && (text.back() == QChar(' ') || text.back() == QChar('\t'))) {
            text.chop(1);
        }
        return text;
    }
};

// Tab stops fall every eight average character widths of the font on the device.
qreal tabStopOf(const QFontMetrics& metrics) { return 8.0 * std::max(metrics.averageCharWidth(), 1); }

// Each line from the rectangle's top, one line spacing apart, placed by the alignment flags.
void drawLines(QPainter& painter, const std::vector<TextLine>& lines, const TRect& rect, unsigned flags)
{
    const QFontMetrics metrics = painter.fontMetrics();
    qreal baseline = rect.Top + metrics.ascent();
    for (const TextLine& line : lines) {
        qreal start = rect.Left;
        if ((flags & dtCenter) != 0) {
            start += (rect.Right - rect.Left - line.width) / 2;
        } else if ((flags & dtRight) != 0) {
            start = rect.Right - line.width;
        }
        for (const TextPiece& piece : line.pieces) {
            painter.drawText(QPointF(start + piece.x, baseline), piece.text);
        }
        baseline += metrics.lineSpacing();
    }
}

qreal widestOf(const std::vector<TextLine>& lines)
{
    qreal widest = 0;
    for (const TextLine& line : lines) {
        widest = std::max(widest, line.width);
    }
    return widest;
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

    const QFontMetrics metrics = m_painter.fontMetrics();
    const bool wordBreak = (flags & dtWordBreak) != 0;
    const TextLayout layout{QFontMetricsF(metrics), tabStopOf(metrics), (flags & dtExpandTabs) != 0};
    const std::vector<TextLine> lines =
        layout.lines(qtext, wordBreak ? std::optional<qreal>(std::max(rect.Right - rect.Left, 1)) : std::nullopt);
    const int height = static_cast<int>(lines.size() - 1) * metrics.lineSpacing() + metrics.height();

    if ((flags & dtCalcRect) != 0) {
        if (!wordBreak) {
            rect.Right = rect.Left + static_cast<int>(std::ceil(widestOf(lines)));
        }
        rect.Bottom = rect.Top + height;
        return height;
    }

    m_painter.save();
    // Text past the rectangle is cut, as the band clips.
    m_painter.setClipRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top));
    m_painter.setPen(toQColor(font().Color));
    drawLines(m_painter, lines, rect, flags);
    m_painter.restore();
    return height;
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
