#pragma once
// The window backgrounds: one small picture per item of the options dialog's background
// list, tiled over the main window, the options dialog and the About box.

#include <QPixmap>

namespace zelmora::gui {

inline constexpr int BackgroundTileCount = 7;

// The face colour of classic Windows dialogs: the standard background, and the ground of
// the labels and groups that stand on any background.
inline QColor classicFace() { return {212, 208, 200}; }

// Background `index` in the order of the list: 0 standard grey (38 × 33), 1 Sahara #1
// (167 × 114), 2 Sahara #2 (167 × 114), 3 spotty (101 × 72), 4 road (64 × 64), 5 puzzle
// (96 × 96), 6 wallpaper (100 × 100); any other index gives the grey one. Each tile repeats
// without a seam and stays light enough for black label text on top of it.
QPixmap backgroundTile(int index);

} // namespace zelmora::gui
