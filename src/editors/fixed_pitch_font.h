#pragma once

#include <QFont>

namespace velmora::editors {

// The font of every box and label that shows a name or text as it goes into a
// set: "Courier New" 9.75 pt, or the system's fixed-pitch font at that size
// where no fixed-pitch Courier is at hand. Equal widths keep the padding
// spaces visible.
QFont fixedPitchFont();

} // namespace velmora::editors
