#pragma once
// What the background tiles are drawn with: random numbers that are the same on every
// platform, smooth noise and shapes that wrap around the tile's edges, so that a tile
// repeats without a visible seam.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class QPainter;

namespace zelmora::gui {

// The standard distributions may differ between libraries; the engine itself does not,
// so the numbers are derived from its raw output.
class TileRandom {
public:
    explicit TileRandom(std::uint32_t seed) : m_engine(seed) {}

    double unit() { return static_cast<double>(m_engine()) / 4294967296.0; } // [0, 1)
    double between(double low, double high) { return low + (high - low) * unit(); }
    int below(int count) { return static_cast<int>(unit() * count); }

private:
    std::mt19937 m_engine;
};

// Smooth value noise in [0, 1] over a lattice of cellsX × cellsY cells that spans the
// tile and repeats with it; u and v are positions across the tile (1.0 = one tile).
class PeriodicNoise {
public:
    PeriodicNoise(int cellsX, int cellsY, std::uint32_t seed);

    double at(double u, double v) const;

private:
    double lattice(int i, int j) const;

    int m_cellsX;
    int m_cellsY;
    std::vector<double> m_values;
};

// Runs `draw` nine times, shifted by the tile's width and height each way, so that a
// shape crossing one edge comes back in on the opposite edge.
void drawWrapped(QPainter& painter, QSize tile, const std::function<void(QPainter&)>& draw);

// An opaque image of `size` whose every pixel is `colourAt(x, y)`.
QImage imageFromPixels(QSize size, const std::function<QColor(int, int)>& colourAt);

// `colour` made lighter (amount > 0) or darker (amount < 0) by about `amount` levels.
QColor shifted(const QColor& colour, int amount);

// The mix of `from` and `to`, `share` (0 to 1) of the way to `to`.
QColor blended(const QColor& from, const QColor& to, double share);

} // namespace zelmora::gui
