#include "gui/appearance/Glyphs.h"

#include "gui/appearance/DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace zelmora::gui {

namespace {

// Every glyph is drawn on a 32 × 32 grid and scaled to the size asked for.
constexpr double Grid = 32.0;

const QColor Outline(60, 60, 70);

QPen outlinePen(double width = 1.4)
{
    return QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with its top right corner folded down.
void drawSheet(QPainter& painter, const QRectF& sheet)
{
    const double fold = sheet.width() * 0.3;
    QPainterPath page;
    page.moveTo(sheet.topLeft());
    page.lineTo(sheet.right() - fold, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + fold);
    page.lineTo(sheet.bottomRight());
    page.lineTo(sheet.bottomLeft());
    page.closeSubpath();
    painter.setPen(outlinePen());
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    painter.setBrush(QColor(214, 214, 222));
    painter.drawPath(corner);
}

void drawTextLines(QPainter& painter, double left, double right, double top, int count)
{
    painter.setPen(QPen(QColor(110, 120, 140), 1.6, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < count; ++i) {
        const double end = (i % 3 == 2) ? left + (right - left) * 0.6 : right;
        painter.drawLine(QPointF(left, top + i * 3.6), QPointF(end, top + i * 3.6));
    }
}

// A round badge with a white sign on it, as used for information and help.
void drawBadge(QPainter& painter, const QColor& colour)
{
    QRadialGradient shade(QPointF(12, 10), 18);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(150), 1.4));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(16, 16), 13.5, 13.5);
}

void drawPrint(QPainter& painter)
{
    painter.setPen(outlinePen());
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10)); // paper going in
    QLinearGradient body(0, 11, 0, 24);
    body.setColorAt(0, QColor(226, 228, 234));
    body.setColorAt(1, QColor(170, 174, 186));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(3, 11, 26, 13), 2.5, 2.5);
    painter.setBrush(QColor(90, 94, 106));
    painter.drawRect(QRectF(7, 19, 18, 3)); // output slot
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 21, 14, 8)); // printed sheet
    drawTextLines(painter, 11.5, 20.5, 24, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 200, 80));
    painter.drawEllipse(QPointF(24.5, 15), 1.4, 1.4);
}

void drawTextFile(QPainter& painter)
{
    drawSheet(painter, QRectF(6, 2.5, 20, 27));
    drawTextLines(painter, 9.5, 22.5, 12, 5);
}

void drawHtmlPage(QPainter& painter)
{
    drawSheet(painter, QRectF(3, 2.5, 19, 25));
    drawTextLines(painter, 6.5, 15, 11, 3);
    // The globe in front of the page.
    const QPointF centre(21, 21);
    const double radius = 9;
    QRadialGradient sea(QPointF(18, 18), 12);
    sea.setColorAt(0, QColor(120, 190, 250));
    sea.setColorAt(1, QColor(30, 110, 200));
    painter.setPen(QPen(QColor(20, 70, 140), 1.3));
    painter.setBrush(sea);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(230, 244, 255), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.45, radius);
    painter.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    painter.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    const double latitude = radius * 0.5;
    const double halfChord = std::sqrt(radius * radius - latitude * latitude);
    painter.drawLine(QPointF(centre.x() - halfChord, centre.y() - latitude), QPointF(centre.x() + halfChord, centre.y() - latitude));
    painter.drawLine(QPointF(centre.x() - halfChord, centre.y() + latitude), QPointF(centre.x() + halfChord, centre.y() + latitude));
}

void drawAbout(QPainter& painter)
{
    drawBadge(painter, QColor(40, 110, 200));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 9.5), 2.3, 2.3);
    painter.drawRoundedRect(QRectF(13.8, 13.5, 4.4, 11.5), 1.2, 1.2);
}

void drawHelp(QPainter& painter)
{
    drawBadge(painter, QColor(34, 150, 110));
    QPainterPath hook;
    hook.moveTo(11.2, 12.2);
    hook.cubicTo(11.2, 6.8, 20.8, 6.8, 20.8, 12.2);
    hook.cubicTo(20.8, 15.6, 16, 15.4, 16, 19.2);
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 24.2), 2.3, 2.3);
}

void drawOptions(QPainter& painter)
{
    constexpr int Teeth = 8;
    constexpr double Outer = 14.0;
    constexpr double Inner = 10.5;
    QPainterPath gear;
    for (int i = 0; i < Teeth * 4; ++i) {
        // Each tooth: rise, top, fall, gap, a quarter of its angle each.
        const double angle = 2.0 * std::numbers::pi * i / (Teeth * 4) - std::numbers::pi / Teeth / 4;
        const double radius = (i % 4 == 1 || i % 4 == 2) ? Outer : Inner;
        const QPointF point(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
        i == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 16), 4.2, 4.2);
    QRadialGradient metal(QPointF(12, 11), 18);
    metal.setColorAt(0, QColor(220, 224, 232));
    metal.setColorAt(1, QColor(130, 136, 150));
    painter.setPen(outlinePen(1.3));
    painter.setBrush(metal);
    painter.drawPath(gear.subtracted(hole));
}

void drawQuit(QPainter& painter)
{
    const QColor red(214, 30, 36);
    painter.setPen(QPen(red.darker(140), 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 16), 14, 14);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 16), 8.6, 8.6);
    QPainterPath ring;
    ring.addEllipse(QPointF(16, 16), 13.5, 13.5);
    ring.addEllipse(QPointF(16, 16), 9.1, 9.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawPath(ring);
    painter.setPen(QPen(red, 5.2, Qt::SolidLine, Qt::FlatCap));
    const double reach = 9.1 * std::cos(std::numbers::pi / 4);
    painter.drawLine(QPointF(16 - reach, 16 - reach), QPointF(16 + reach, 16 + reach));
}

void drawOk(QPainter& painter)
{
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(12.5, 24.5);
    tick.lineTo(27, 7.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 100, 30), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(60, 180, 60), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

void drawCancel(QPainter& painter)
{
    const QLineF strokes[] = {QLineF(7, 7, 25, 25), QLineF(25, 7, 7, 25)};
    painter.setPen(QPen(QColor(140, 20, 20), 7.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(strokes, 2);
    painter.setPen(QPen(QColor(226, 50, 50), 4.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(strokes, 2);
}

void drawGlyph(QPainter& painter, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Print: drawPrint(painter); break;
    case Glyph::TextFile: drawTextFile(painter); break;
    case Glyph::HtmlPage: drawHtmlPage(painter); break;
    case Glyph::About: drawAbout(painter); break;
    case Glyph::Options: drawOptions(painter); break;
    case Glyph::Help: drawHelp(painter); break;
    case Glyph::Quit: drawQuit(painter); break;
    case Glyph::Ok: drawOk(painter); break;
    case Glyph::Cancel: drawCancel(painter); break;
    }
}

QPixmap glyphPixmap(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    drawGlyph(painter, glyph);
    return pixmap;
}

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    return drawnIcon([glyph](int side) { return glyphPixmap(glyph, side); }, {16, 24, 32, 48});
}

} // namespace zelmora::gui
