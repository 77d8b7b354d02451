// The seven window backgrounds: their sizes, that each looks like itself, that each
// repeats without a seam, and that black label text stays readable on them.

#include "gui/appearance/BackgroundTiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelmora::test {
namespace {

using gui::backgroundTile;
using gui::BackgroundTileCount;

QImage tileImage(int index)
{
    return backgroundTile(index).toImage().convertToFormat(QImage::Format_RGB32);
}

double difference(QRgb a, QRgb b)
{
    return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))) / 3.0;
}

// Each pixel replaced by the mean of the nine around it in its column: the picture's
// shapes stay, its grain evens out, so that a break at the edge stands out.
QImage smoothedDown(const QImage& image)
{
    QImage smooth(image.size(), QImage::Format_RGB32);
    const int h = image.height();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < h; ++y) {
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int d = -4; d <= 4; ++d) {
                const QRgb pixel = image.pixel(x, (y + d + h) % h);
                red += qRed(pixel);
                green += qGreen(pixel);
                blue += qBlue(pixel);
            }
            smooth.setPixel(x, y, qRgb(red / 9, green / 9, blue / 9));
        }
    }
    return smooth;
}

double columnStep(const QImage& image, int x, int next)
{
    double total = 0;
    for (int y = 0; y < image.height(); ++y) {
        total += difference(image.pixel(x, y), image.pixel(next, y));
    }
    return total / image.height();
}

// How much the last column differs from the first, against how much neighbouring columns
// differ inside the tile: usually (their median), and on each side of the edge, where a
// shape running across the edge changes as much as at the edge itself.
struct Seam {
    double atEdge;
    double expected;
};

Seam columnSeam(const QImage& original)
{
    const QImage image = smoothedDown(original);
    const int last = image.width() - 1;
    std::vector<double> inside;
    for (int x = 0; x < last; ++x) {
        inside.push_back(columnStep(image, x, x + 1));
    }
    const double beside = std::max(inside.front(), inside.back());
    std::sort(inside.begin(), inside.end());
    return {columnStep(image, last, 0), std::max(inside[inside.size() / 2], beside)};
}

QImage transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

QImage tiledOver(int index, QSize area)
{
    QImage image(area, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawTiledPixmap(QRect(QPoint(0, 0), area), backgroundTile(index));
    return image;
}

TEST(BackgroundTiles, HaveTheSizesOfTheirList)
{
    const QSize sizes[BackgroundTileCount] = {{38, 33},  {167, 114}, {167, 114}, {101, 72},
                                              {64, 64}, {96, 96},   {100, 100}};
    for (int index = 0; index < BackgroundTileCount; ++index) {
        EXPECT_EQ(backgroundTile(index).size(), sizes[index]) << "tile " << index;
    }
    for (const int outside : {-1, BackgroundTileCount}) {
        EXPECT_EQ(tileImage(outside), tileImage(0)) << "index " << outside;
    }
}

TEST(BackgroundTiles, LookDifferentFromEachOther)
{
    const QSize area(240, 240);
    for (int first = 0; first < BackgroundTileCount; ++first) {
        const QImage a = tiledOver(first, area);
        for (int second = first + 1; second < BackgroundTileCount; ++second) {
            const QImage b = tiledOver(second, area);
            double total = 0;
            for (int y = 0; y < area.height(); ++y) {
                for (int x = 0; x < area.width(); ++x) {
                    total += difference(a.pixel(x, y), b.pixel(x, y));
                }
            }
            EXPECT_GT(total / (area.width() * area.height()), 8.0) << "tiles " << first << " and " << second;
        }
    }
}

TEST(BackgroundTiles, RepeatWithoutASeam)
{
    for (int index = 0; index < BackgroundTileCount; ++index) {
        const QImage image = tileImage(index);
        const Seam across = columnSeam(image);
        const Seam down = columnSeam(transposed(image));
        EXPECT_LE(across.atEdge, 1.5 * across.expected + 1.0) << "right edge against left, tile " << index;
        EXPECT_LE(down.atEdge, 1.5 * down.expected + 1.0) << "bottom edge against top, tile " << index;
    }
}

// Labels over the backgrounds are transparent and their text is black: nearly every
// pixel must be light enough for a contrast of about 7 to 1.
TEST(BackgroundTiles, KeepBlackTextReadable)
{
    for (int index = 0; index < BackgroundTileCount; ++index) {
        const QImage image = tileImage(index);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                dark += 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel) < 150.0 ? 1 : 0;
            }
        }
        EXPECT_LT(dark, image.width() * image.height() / 20) << "tile " << index;
    }
}

} // namespace
} // namespace zelmora::test
