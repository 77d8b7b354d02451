#include "gui/appearance/Flags.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zelmora::gui {

namespace {

// The Union Flag is drawn on its official 60 × 30 construction grid, then scaled.
constexpr double UnionWidth = 60.0;
constexpr double UnionHeight = 30.0;

// A hairline frame, so that the white of a flag stays visible on a light dialog.
void drawFrame(QPainter& painter, QSize size)
{
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
}

QPixmap blankFlag(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    return pixmap;
}

// A band `width` wide along the line through `from` and `to`, its centre moved by
// `offset` to the line's left (in screen coordinates, where y runs down).
void strokeBand(QPainter& painter, QPointF from, QPointF to, double width, double offset, const QColor& colour)
{
    const QPointF direction = to - from;
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF normal(direction.y() / length, -direction.x() / length);
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QLineF(from + normal * offset, to + normal * offset));
}

// The red diagonals of St Patrick: in each quarter the red lies against the diagonal
// on one side only, so that the broad white is uppermost next to the hoist.
void drawCounterchangedSaltire(QPainter& painter)
{
    const QPointF topLeft(0, 0);
    const QPointF topRight(UnionWidth, 0);
    const QPointF bottomLeft(0, UnionHeight);
    const QPointF bottomRight(UnionWidth, UnionHeight);
    const QPointF centre(UnionWidth / 2, UnionHeight / 2);
    const QColor red(200, 16, 46);
    struct Quarter {
        QRectF area;
        QPointF from;
        QPointF to;
    };
    // Going from the centre out to each corner, the red is always on the same side
    // (the left, looking outwards).
    const Quarter quarters[] = {
        {QRectF(topLeft, centre), centre, topLeft},
        {QRectF(QPointF(centre.x(), 0), QPointF(UnionWidth, centre.y())), centre, topRight},
        {QRectF(centre, bottomRight), centre, bottomRight},
        {QRectF(QPointF(0, centre.y()), QPointF(centre.x(), UnionHeight)), centre, bottomLeft},
    };
    for (const Quarter& quarter : quarters) {
        painter.save();
        painter.setClipRect(quarter.area);
        const QPointF beyond = quarter.to + (quarter.to - quarter.from);
        strokeBand(painter, quarter.from, beyond, 2.0, 1.0, red);
        painter.restore();
    }
}

} // namespace

QPixmap frenchFlag(QSize size)
{
    QPixmap pixmap = blankFlag(size);
    QPainter painter(&pixmap);
    const double third = size.width() / 3.0;
    painter.fillRect(QRectF(0, 0, third, size.height()), QColor(0, 35, 149));
    painter.fillRect(QRectF(2 * third, 0, size.width() - 2 * third, size.height()), QColor(237, 41, 57));
    drawFrame(painter, size);
    return pixmap;
}

QPixmap englishFlag(QSize size)
{
    QPixmap pixmap = blankFlag(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.scale(size.width() / UnionWidth, size.height() / UnionHeight);
    painter.fillRect(QRectF(0, 0, UnionWidth, UnionHeight), QColor(1, 33, 105));
    const QColor white(Qt::white);
    strokeBand(painter, QPointF(-UnionWidth, -UnionHeight), QPointF(2 * UnionWidth, 2 * UnionHeight), 6.0, 0.0, white);
    strokeBand(painter, QPointF(-UnionWidth, 2 * UnionHeight), QPointF(2 * UnionWidth, -UnionHeight), 6.0, 0.0, white);
    drawCounterchangedSaltire(painter);
    painter.fillRect(QRectF(25, 0, 10, UnionHeight), white);
    painter.fillRect(QRectF(0, 10, UnionWidth, 10), white);
    const QColor red(200, 16, 46);
    painter.fillRect(QRectF(27, 0, 6, UnionHeight), red);
    painter.fillRect(QRectF(0, 12, UnionWidth, 6), red);
    painter.restore();
    drawFrame(painter, size);
    return pixmap;
}

} // namespace zelmora::gui
