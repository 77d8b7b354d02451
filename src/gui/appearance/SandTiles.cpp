// The two desert backgrounds: fine pale sand shaped by wind ripples, and a darker,
// coarser sand strewn with grains and small pebbles.

#include "gui/appearance/TileDrawing.h"
#include "gui/appearance/TileImages.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace zelmora::gui {

namespace {

const QSize SandSize(167, 114);

// Brightness of the ripple at `cycles` (one ripple per unit): a long lit slope up to
// the crest and a short shaded one down from it, as wind leaves them.
double rippleShade(double cycles)
{
    const double angle = 2.0 * std::numbers::pi * cycles;
    return std::sin(angle + 0.55 * std::sin(angle));
}

QColor rippledSandPixel(int x, int y, const PeriodicNoise& warp, const PeriodicNoise& mottle,
                        TileRandom& random)
{
    const double u = static_cast<double>(x) / SandSize.width();
    const double v = static_cast<double>(y) / SandSize.height();
    // Whole numbers of ripples across and down keep the crests continuous at the edges.
    const double cycles = 1.0 * u + 6.0 * v + 0.7 * (warp.at(u, v) - 0.5);
    const double shade = rippleShade(cycles) * 0.5 + (mottle.at(u, v) - 0.5) * 0.5;
    const QColor crest(250, 238, 204);
    const QColor trough(224, 198, 146);
    QColor sand = blended(trough, crest, std::clamp(0.5 + shade * 0.7, 0.0, 1.0));
    const double grain = random.unit();
    if (grain < 0.035) {
        sand = blended(sand, QColor(186, 146, 92), 0.45);
    } else if (grain > 0.975) {
        sand = shifted(sand, 16);
    }
    return shifted(sand, static_cast<int>(std::lround((random.unit() - 0.5) * 16)));
}

struct Grain {
    QPointF centre;
    double radius;
    QColor colour;
};

void drawGrains(QPainter& painter, const std::vector<Grain>& grains)
{
    drawWrapped(painter, SandSize, [&grains](QPainter& p) {
        for (const Grain& grain : grains) {
            p.setBrush(grain.colour);
            p.drawEllipse(grain.centre, grain.radius, grain.radius * 0.8);
        }
    });
}

std::vector<Grain> scatterGrains(TileRandom& random, int count, double minRadius, double maxRadius)
{
    static const std::array<QColor, 5> Palette = {
        QColor(188, 144, 88), QColor(242, 218, 166), QColor(206, 152, 102),
        QColor(172, 152, 124), QColor(232, 196, 134),
    };
    std::vector<Grain> grains;
    for (int i = 0; i < count; ++i) {
        grains.push_back({QPointF(random.between(0, SandSize.width()), random.between(0, SandSize.height())),
                          random.between(minRadius, maxRadius),
                          Palette[static_cast<std::size_t>(random.below(5))]});
    }
    return grains;
}

} // namespace

QImage saharaRipplesTile()
{
    const PeriodicNoise warp(4, 3, 11);
    const PeriodicNoise mottle(7, 5, 12);
    TileRandom random(13);
    return imageFromPixels(SandSize, [&](int x, int y) { return rippledSandPixel(x, y, warp, mottle, random); });
}

QImage saharaCoarseTile()
{
    const PeriodicNoise mottle(6, 4, 21);
    TileRandom random(22);
    const QColor sand(222, 188, 130);
    QImage image = imageFromPixels(SandSize, [&](int x, int y) {
        const double patch = mottle.at(static_cast<double>(x) / SandSize.width(),
                                       static_cast<double>(y) / SandSize.height());
        const int noise = static_cast<int>(std::lround((random.unit() - 0.5) * 22));
        return shifted(sand, static_cast<int>(std::lround((patch - 0.5) * 30)) + noise);
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    drawGrains(painter, scatterGrains(random, 900, 0.5, 1.3));
    const std::vector<Grain> pebbles = scatterGrains(random, 14, 1.6, 2.5);
    painter.setPen(QPen(QColor(160, 124, 80), 0.6));
    drawGrains(painter, pebbles);
    return image;
}

} // namespace zelmora::gui
