#pragma once
// The seven background tiles as images, one function each; BackgroundTiles picks one.

#include <QImage>

namespace zelmora::gui {

QImage standardGreyTile();
QImage saharaRipplesTile();
QImage saharaCoarseTile();
QImage spottyTile();
QImage roadTile();
QImage puzzleTile();
QImage wallpaperTile();

} // namespace zelmora::gui
