#pragma once
// The small pictures on the main window's glyph buttons.

#include <QIcon>

namespace zelmora::gui {

enum class Glyph {
    Print,    // a printer: BitBtn10, BitBtn11, BitBtn12
    TextFile, // a page of text: BitBtn3
    HtmlPage, // a page with a globe: BitBtn8
    About,    // an "i" in a circle: BitBtn6
    Options,  // a gear: BitBtn4
    Help,     // a question mark: BitBtn5
    Quit,     // a red "no" sign: BitBtn7
    Ok,       // a green tick: BitBtn1
    Cancel,   // a red cross: BitBtn2
};

// The glyph, drawn at the size its button asks for when it is first shown.
QIcon glyphIcon(Glyph glyph);

} // namespace zelmora::gui
