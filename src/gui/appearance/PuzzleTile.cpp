// The puzzle background: four pastel jigsaw pieces per tile, each with knobs and holes,
// outlined and lightly bevelled. Each pixel is the mean of 4 × 4 points, each coloured
// by the piece that owns it, so the curves come out smooth and the pattern repeats
// exactly with the tile.

#include "gui/appearance/TileDrawing.h"
#include "gui/appearance/TileImages.h"

#include <array>
#include <cmath>
#include <vector>

namespace zelmora::gui {

namespace {

constexpr double TileSide = 96.0;
constexpr double PieceSide = 48.0;
// The grid is shifted by half a piece so the tile's edges cut through pieces, not along
// their outlines.
constexpr double GridOffset = 24.0;
constexpr double KnobRadius = 6.5;
constexpr double KnobReach = 8.0; // from the edge to the knob's centre
constexpr double NeckHalfWidth = 3.5;
constexpr int Subsamples = 4;

struct Piece {
    int column; // 0 or 1
    int row;
};

int parity(int value)
{
    return ((value % 2) + 2) % 2;
}

// +1 when the knob on the edge after piece (column, row) points right or down, −1 when
// it points back into that piece; alternating so every piece gets knobs and holes.
int knobDirection(int column, int row, bool verticalEdge)
{
    const int sign = parity(column + row) == 0 ? 1 : -1;
    return verticalEdge ? sign : -sign;
}

// Whether (along, across) lies in a knob whose edge is at across = 0 and whose centre
// is at across = KnobReach, along = 0.
bool inKnob(double along, double across)
{
    if (across < 0.0) {
        return false;
    }
    const double fromCentre = across - KnobReach;
    return along * along + fromCentre * fromCentre <= KnobRadius * KnobRadius ||
           (across <= KnobReach && std::fabs(along) <= NeckHalfWidth);
}

Piece pieceAt(double x, double y)
{
    const double gx = (x - GridOffset) / PieceSide;
    const double gy = (y - GridOffset) / PieceSide;
    const int column = static_cast<int>(std::floor(gx));
    const int row = static_cast<int>(std::floor(gy));
    const double localX = (gx - column) * PieceSide;
    const double localY = (gy - row) * PieceSide;
    const double half = PieceSide / 2.0;
    // A knob of a neighbour reaching into this piece, through each of its four edges.
    if (knobDirection(column, row, true) < 0 && inKnob(localY - half, PieceSide - localX)) {
        return {parity(column + 1), parity(row)};
    }
    if (knobDirection(column - 1, row, true) > 0 && inKnob(localY - half, localX)) {
        return {parity(column - 1), parity(row)};
    }
    if (knobDirection(column, row, false) < 0 && inKnob(localX - half, PieceSide - localY)) {
        return {parity(column), parity(row + 1)};
    }
    if (knobDirection(column, row - 1, false) > 0 && inKnob(localX - half, localY)) {
        return {parity(column), parity(row - 1)};
    }
    return {parity(column), parity(row)};
}

// The face, highlight and shadow of each piece, and the outline.
struct PuzzlePalette {
    std::array<QRgb, 4> face;
    std::array<QRgb, 4> highlight;
    std::array<QRgb, 4> shadow;
    QRgb outline;
};

PuzzlePalette puzzlePalette()
{
    const std::array<QColor, 4> faces = {
        QColor(198, 222, 244), QColor(246, 232, 170), QColor(204, 232, 196), QColor(244, 206, 214),
    };
    PuzzlePalette palette{};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        palette.face[i] = faces[i].rgb();
        palette.highlight[i] = blended(faces[i], Qt::white, 0.55).rgb();
        palette.shadow[i] = blended(faces[i], QColor(120, 110, 100), 0.22).rgb();
    }
    palette.outline = QColor(150, 138, 128).rgb();
    return palette;
}

// Which piece owns each point of a grid Subsamples times finer than the pixels, with a
// margin all round for the neighbours that outlines and bevels look at; asked once per
// point, then looked up.
class OwnerGrid {
public:
    OwnerGrid() : m_owners(static_cast<std::size_t>(Width * Width)), m_palette(puzzlePalette())
    {
        for (int j = 0; j < Width; ++j) {
            for (int i = 0; i < Width; ++i) {
                const Piece piece = pieceAt((i - Margin + 0.5) / Subsamples, (j - Margin + 0.5) / Subsamples);
                m_owners[static_cast<std::size_t>(j * Width + i)] = piece.row * 2 + piece.column;
            }
        }
    }

    int at(int i, int j) const { return m_owners[static_cast<std::size_t>((j + Margin) * Width + i + Margin)]; }

    // The colour at one point: outline where another piece is within half a pixel, a
    // highlight just inside the upper-left side of an outline, a shadow inside the
    // lower-right.
    QRgb colourAt(int i, int j) const
    {
        const int piece = at(i, j);
        const auto index = static_cast<std::size_t>(piece);
        if (at(i + Line, j) != piece || at(i - Line, j) != piece || at(i, j + Line) != piece ||
            at(i, j - Line) != piece) {
            return m_palette.outline;
        }
        if (at(i - Bevel, j - Bevel) != piece) {
            return m_palette.highlight[index];
        }
        if (at(i + Bevel, j + Bevel) != piece) {
            return m_palette.shadow[index];
        }
        return m_palette.face[index];
    }

    QColor pixel(int x, int y) const
    {
        int red = 0;
        int green = 0;
        int blue = 0;
        for (int sy = 0; sy < Subsamples; ++sy) {
            for (int sx = 0; sx < Subsamples; ++sx) {
                const QRgb colour = colourAt(x * Subsamples + sx, y * Subsamples + sy);
                red += qRed(colour);
                green += qGreen(colour);
                blue += qBlue(colour);
            }
        }
        constexpr int Count = Subsamples * Subsamples;
        return QColor(red / Count, green / Count, blue / Count);
    }

private:
    static constexpr int Line = Subsamples / 2;
    static constexpr int Bevel = Subsamples * 9 / 4;
    static constexpr int Margin = Bevel + 1;
    static constexpr int Width = static_cast<int>(TileSide) * Subsamples + 2 * Margin;
    std::vector<int> m_owners;
    PuzzlePalette m_palette;
};

} // namespace

QImage puzzleTile()
{
    static_assert(TileSide == 2 * PieceSide, "two pieces across and down make the pattern repeat");
    const OwnerGrid owners;
    return imageFromPixels(QSize(96, 96), [&owners](int x, int y) { return owners.pixel(x, y); });
}

} // namespace zelmora::gui
