#include "gui/appearance/BackgroundTiles.h"

#include "gui/appearance/TileImages.h"

namespace zelmora::gui {

QImage standardGreyTile()
{
    // The plain dialog look the other six dress up.
    QImage image(38, 33, QImage::Format_RGB32);
    image.fill(classicFace());
    return image;
}

QPixmap backgroundTile(int index)
{
    using TileMaker = QImage (*)();
    static constexpr TileMaker Makers[BackgroundTileCount] = {
        standardGreyTile, saharaRipplesTile, saharaCoarseTile, spottyTile,
        roadTile,         puzzleTile,        wallpaperTile,
    };
    const TileMaker maker = index >= 0 && index < BackgroundTileCount ? Makers[index] : Makers[0];
    return QPixmap::fromImage(maker());
}

} // namespace zelmora::gui
