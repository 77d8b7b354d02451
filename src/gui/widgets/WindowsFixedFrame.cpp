#include "gui/widgets/FixedFrame.h"

namespace zelmora::gui {

// Windows draws no maximise button on a window whose flags ask for none.
void keepFrameFixed(QWidget&) {}

} // namespace zelmora::gui
