#include "gui/appearance/TileDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zelmora::gui {

namespace {

int wrapped(int index, int count)
{
    const int rest = index % count;
    return rest < 0 ? rest + count : rest;
}

double smoothStep(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

int clampedLevel(double level)
{
    return std::clamp(static_cast<int>(std::lround(level)), 0, 255);
}

} // namespace

PeriodicNoise::PeriodicNoise(int cellsX, int cellsY, std::uint32_t seed)
    : m_cellsX(cellsX), m_cellsY(cellsY)
{
    TileRandom random(seed);
    m_values.resize(static_cast<std::size_t>(cellsX) * static_cast<std::size_t>(cellsY));
    for (double& value : m_values) {
        value = random.unit();
    }
}

double PeriodicNoise::lattice(int i, int j) const
{
    return m_values[static_cast<std::size_t>(wrapped(j, m_cellsY) * m_cellsX + wrapped(i, m_cellsX))];
}

double PeriodicNoise::at(double u, double v) const
{
    const double x = u * m_cellsX;
    const double y = v * m_cellsY;
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    const double fx = smoothStep(x - i);
    const double fy = smoothStep(y - j);
    const double top = lattice(i, j) + (lattice(i + 1, j) - lattice(i, j)) * fx;
    const double bottom = lattice(i, j + 1) + (lattice(i + 1, j + 1) - lattice(i, j + 1)) * fx;
    return top + (bottom - top) * fy;
}

void drawWrapped(QPainter& painter, QSize tile, const std::function<void(QPainter&)>& draw)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * tile.width(), dy * tile.height());
            draw(painter);
            painter.restore();
        }
    }
}

QImage imageFromPixels(QSize size, const std::function<QColor(int, int)>& colourAt)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = colourAt(x, y).rgb();
        }
    }
    return image;
}

QColor shifted(const QColor& colour, int amount)
{
    return QColor(clampedLevel(colour.red() + amount), clampedLevel(colour.green() + amount),
                  clampedLevel(colour.blue() + amount));
}

QColor blended(const QColor& from, const QColor& to, double share)
{
    return QColor(clampedLevel(from.red() + (to.red() - from.red()) * share),
                  clampedLevel(from.green() + (to.green() - from.green()) * share),
                  clampedLevel(from.blue() + (to.blue() - from.blue()) * share));
}

} // namespace zelmora::gui
