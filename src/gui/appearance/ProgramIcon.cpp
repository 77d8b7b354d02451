#include "gui/appearance/ProgramIcon.h"

#include "core/base/Cp1252.h"
#include "gui/appearance/DrawnIcon.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zelmora::gui {

namespace {

// The drawing is laid out on a grid of 16 × 16 units. Edges fall on whole units, so at
// 16 and 32 pixels (and every multiple) they fall on whole pixels and stay sharp; at
// the sizes in between they are rounded to the nearest pixel.
class IconGrid {
public:
    explicit IconGrid(int size) : m_unit(size / 16.0), m_size(size) {}

    double px(double units) const { return std::round(units * m_unit); }
    QRectF rect(double left, double top, double right, double bottom) const
    {
        return QRectF(QPointF(px(left), px(top)), QPointF(px(right), px(bottom)));
    }
    // Rounds the size apart from the position, so that twin parts stay the same size.
    QRectF sized(double left, double top, double width, double height) const
    {
        return QRectF(px(left), px(top), std::max(1.0, px(width)), std::max(1.0, px(height)));
    }
    // Outline thickness: one pixel up to 32 pixels, then growing with the icon.
    double line() const { return std::max(1.0, std::round(m_unit * 0.6)); }
    // Corner rounding, only where there are pixels enough to show it.
    double corner(double units) const { return m_size >= 48 ? units * m_unit : 0.0; }
    bool detailed() const { return m_size >= 48; }
    double unit() const { return m_unit; }

private:
    double m_unit;
    int m_size;
};

const QColor Ink(52, 46, 58);
const QColor Paper(255, 253, 246);
const QColor HeaderRed(214, 48, 60);
const QColor CakePink(238, 120, 160);
const QColor Icing(255, 246, 226);

QPainterPath roundedPath(const QRectF& box, double corner)
{
    QPainterPath path;
    path.addRoundedRect(box, corner, corner);
    return path;
}

// A filled box with its outline drawn inside its bounds.
void outlinedBox(QPainter& painter, const QRectF& box, const QColor& fill, double line, double corner)
{
    painter.fillPath(roundedPath(box, corner), Ink);
    painter.fillPath(roundedPath(box.adjusted(line, line, -line, -line), std::max(0.0, corner - line)), fill);
}

// The page with its red band on top; the band follows the page's rounded corners.
void drawPage(QPainter& painter, const IconGrid& grid)
{
    const QRectF page = grid.rect(1, 2, 15, 16);
    const double corner = grid.corner(1.2);
    const double line = grid.line();
    if (grid.detailed()) {
        painter.fillPath(roundedPath(page.translated(grid.unit() * 0.35, grid.unit() * 0.35), corner),
                         QColor(0, 0, 0, 60));
    }
    outlinedBox(painter, page, Paper, line, corner);
    QPainterPath bandArea;
    bandArea.addRect(QRectF(page.topLeft(), QPointF(page.right(), grid.px(5))));
    const QPainterPath inside = roundedPath(page.adjusted(line, line, -line, -line), std::max(0.0, corner - line));
    painter.fillPath(inside.intersected(bandArea), HeaderRed);
    if (grid.detailed()) {
        painter.fillRect(QRectF(QPointF(page.left() + line, grid.px(5)), QPointF(page.right() - line, grid.px(5) + line)),
                         HeaderRed.darker(150));
    }
}

// The two binding rings over the top edge of the page.
void drawRings(QPainter& painter, const IconGrid& grid)
{
    for (const double left : {4.0, 11.0}) {
        const QRectF ring = grid.sized(left, 1, 1, 3);
        painter.fillPath(roundedPath(ring, grid.detailed() ? ring.width() / 2 : 0.0), Ink);
        if (grid.detailed()) {
            painter.fillRect(QRectF(ring.left() + ring.width() * 0.25, ring.top() + grid.unit() * 0.4,
                                    ring.width() * 0.25, ring.height() * 0.45),
                             QColor(176, 172, 182));
        }
    }
}

void drawFlame(QPainter& painter, const IconGrid& grid)
{
    if (!grid.detailed()) {
        painter.fillRect(grid.sized(7, 5, 2, 2), QColor(255, 140, 0));
        painter.fillRect(grid.sized(7, 5, 2, 1), QColor(255, 208, 40));
        return;
    }
    const double u = grid.unit();
    const QPointF base(grid.px(8), grid.px(7.2));
    QPainterPath flame;
    flame.moveTo(base.x(), base.y() - 2.6 * u);
    flame.cubicTo(base.x() + 1.3 * u, base.y() - 1.2 * u, base.x() + 1.0 * u, base.y(), base.x(), base.y());
    flame.cubicTo(base.x() - 1.0 * u, base.y(), base.x() - 1.3 * u, base.y() - 1.2 * u, base.x(), base.y() - 2.6 * u);
    painter.fillPath(flame, QColor(255, 140, 0));
    painter.save();
    painter.translate(base);
    painter.scale(0.55, 0.6);
    painter.translate(-base);
    painter.fillPath(flame, QColor(255, 226, 80));
    painter.restore();
}

void drawCandle(QPainter& painter, const IconGrid& grid)
{
    const QRectF candle = grid.sized(7, 7, 2, 2);
    painter.fillRect(candle, QColor(70, 130, 220));
    if (grid.detailed()) {
        painter.fillRect(QRectF(candle.left(), candle.top(), candle.width() * 0.35, candle.height()),
                         QColor(150, 196, 250));
    }
}

void drawCake(QPainter& painter, const IconGrid& grid)
{
    const double line = grid.line();
    const QRectF cake = grid.rect(3, 9, 13, 14);
    outlinedBox(painter, cake, CakePink, line, grid.corner(0.6));
    const QRectF icing = QRectF(QPointF(cake.left() + line, cake.top() + line), QPointF(cake.right() - line, grid.px(10.75)));
    painter.fillRect(icing, Icing);
    if (!grid.detailed()) {
        // Two sprinkles keep the cake from reading as a plain box.
        painter.fillRect(grid.rect(5, 11, 6, 12), Icing);
        painter.fillRect(grid.rect(10, 11, 11, 12), Icing);
        return;
    }
    const double u = grid.unit();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Icing);
    for (const double x : {4.6, 7.2, 9.8, 11.9}) {
        painter.drawEllipse(QPointF(x * u, icing.bottom()), 0.55 * u, 0.75 * u);
    }
    painter.setBrush(QColor(255, 214, 90));
    for (const double x : {5.2, 8.0, 10.8}) {
        painter.drawEllipse(QPointF(x * u, 12.4 * u), 0.4 * u, 0.4 * u);
    }
}

} // namespace

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const IconGrid grid(size);
    drawPage(painter, grid);
    drawRings(painter, grid);
    drawFlame(painter, grid);
    drawCandle(painter, grid);
    drawCake(painter, grid);
    return pixmap;
}

QIcon programIcon()
{
    // X11 takes every size offered at once: the small ones.
    QList<int> offered;
    std::copy_if(ProgramIconSizes.begin(), ProgramIconSizes.end(), std::back_inserter(offered),
                 [](int size) { return size <= 64; });
    return drawnIcon(programIconPixmap, offered);
}

Status writeProgramIconPngs(const QString& folder)
{
    for (const int size : ProgramIconSizes) {
        const QString path = QDir(folder).filePath(QStringLiteral("zelmora-%1.png").arg(size));
        if (!programIconPixmap(size).save(path, "PNG")) {
            return Status::failure("Impossible to write " + cp1252::forDisplay(path.toStdString()));
        }
    }
    return Status::success();
}

} // namespace zelmora::gui
