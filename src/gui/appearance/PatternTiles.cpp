// The drawn-pattern backgrounds: spots, a road and a wallpaper.

#include "gui/appearance/TileDrawing.h"
#include "gui/appearance/TileImages.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace zelmora::gui {

namespace {

struct Spot {
    QPointF centre;
    double radius;
    QColor colour;
};

// Distance between two points of a tile that repeats every `size`.
double wrappedDistance(QPointF a, QPointF b, QSizeF size)
{
    double dx = std::fabs(a.x() - b.x());
    double dy = std::fabs(a.y() - b.y());
    dx = std::min(dx, size.width() - dx);
    dy = std::min(dy, size.height() - dy);
    return std::hypot(dx, dy);
}

// Spots that do not touch, also across the edges, so the repeated tile shows none cut.
std::vector<Spot> placeSpots(QSize size)
{
    static const std::array<QColor, 6> Palette = {
        QColor(184, 210, 240), QColor(244, 192, 200), QColor(188, 226, 196),
        QColor(246, 222, 152), QColor(214, 198, 236), QColor(248, 204, 170),
    };
    TileRandom random(3);
    std::vector<Spot> spots;
    for (int attempt = 0; attempt < 600 && spots.size() < 20; ++attempt) {
        const Spot candidate{QPointF(random.between(0, size.width()), random.between(0, size.height())),
                             random.between(1.6, 5.2), Palette[static_cast<std::size_t>(random.below(6))]};
        bool apart = true;
        for (const Spot& spot : spots) {
            apart = apart && wrappedDistance(candidate.centre, spot.centre, size) >
                                 candidate.radius + spot.radius + 5.0;
        }
        if (apart) {
            spots.push_back(candidate);
        }
    }
    return spots;
}

// Grass, kerb, asphalt with its edge lines and dashed centre line, from the top row
// down; the pattern across repeats every 32 pixels, which divides the tile.
QColor roadPixel(int x, int y, TileRandom& random)
{
    const double grain = random.unit();
    const int noise = static_cast<int>(std::lround((random.unit() - 0.5) * 14));
    if (y < 8 || y >= 56) {
        const QColor grass(192, 218, 160);
        return shifted(grain < 0.12 ? QColor(168, 200, 138) : grass, noise);
    }
    if (y < 10 || y >= 54) {
        return shifted(QColor(222, 218, 208), noise / 3);
    }
    const bool edgeLine = y == 12 || y == 51;
    const bool centreDash = (y == 31 || y == 32) && (x % 32) >= 8 && (x % 32) < 24;
    if (edgeLine || centreDash) {
        return shifted(QColor(246, 246, 240), noise / 3);
    }
    const QColor asphalt(194, 194, 190);
    if (grain < 0.05) {
        return shifted(asphalt, -28);
    }
    return shifted(asphalt, grain > 0.96 ? 14 : noise / 2);
}

void drawFlower(QPainter& painter, QPointF centre, const QColor& petals)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(156, 190, 132));
    for (const double angle : {35.0, 145.0}) {
        painter.save();
        painter.translate(centre);
        painter.rotate(angle);
        painter.drawEllipse(QPointF(6.8, 0), 3.6, 1.6);
        painter.restore();
    }
    painter.setPen(QPen(petals.darker(125), 0.6));
    painter.setBrush(petals);
    for (int petal = 0; petal < 5; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 72.0 - 90.0);
        painter.drawEllipse(QPointF(3.0, 0), 2.6, 2.0);
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 96));
    painter.drawEllipse(centre, 1.6, 1.6);
}

void drawDiamond(QPainter& painter, QPointF centre, double half)
{
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - half);
    path.lineTo(centre.x() + half * 0.7, centre.y());
    path.lineTo(centre.x(), centre.y() + half);
    path.lineTo(centre.x() - half * 0.7, centre.y());
    path.closeSubpath();
    painter.drawPath(path);
}

} // namespace

QImage spottyTile()
{
    const QSize size(101, 72);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(248, 244, 233));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<Spot> spots = placeSpots(size);
    drawWrapped(painter, size, [&spots](QPainter& p) {
        for (const Spot& spot : spots) {
            p.setPen(QPen(spot.colour.darker(118), 0.8));
            p.setBrush(spot.colour);
            p.drawEllipse(spot.centre, spot.radius, spot.radius);
        }
    });
    return image;
}

QImage roadTile()
{
    TileRandom random(4);
    return imageFromPixels(QSize(64, 64), [&random](int x, int y) { return roadPixel(x, y, random); });
}

QImage wallpaperTile()
{
    const QSize size(100, 100);
    const QColor paper(245, 237, 220);
    const QColor stripe(239, 222, 213);
    QImage image = imageFromPixels(size, [&](int x, int y) {
        // A faint weave, regular across and down so that it repeats with the tile.
        const int weave = ((x % 4 == 0) ? -2 : 0) + ((y % 5 == 0) ? -1 : 0);
        return shifted(x >= 35 && x < 65 ? stripe : paper, weave);
    });
    QPainter painter(&image);
    painter.fillRect(QRect(34, 0, 1, 100), QColor(212, 170, 168));
    painter.fillRect(QRect(65, 0, 1, 100), QColor(212, 170, 168));
    painter.fillRect(QRect(31, 0, 1, 100), QColor(228, 204, 198));
    painter.fillRect(QRect(68, 0, 1, 100), QColor(228, 204, 198));
    painter.setRenderHint(QPainter::Antialiasing);
    drawWrapped(painter, size, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(216, 176, 170));
        drawDiamond(p, QPointF(50, 0), 4.5);
        drawDiamond(p, QPointF(50, 50), 4.5);
        p.setBrush(QColor(200, 186, 150));
        p.drawEllipse(QPointF(50, 25), 1.4, 1.4);
        p.drawEllipse(QPointF(50, 75), 1.4, 1.4);
        drawFlower(p, QPointF(0, 25), QColor(234, 164, 172));
        drawFlower(p, QPointF(0, 75), QColor(176, 186, 230));
    });
    return image;
}

} // namespace zelmora::gui
