#include "desktop/ui/chart/strip_layout.h"

namespace grahavani {

StripLefts ComputeStripLefts(float windowWidth, float styleCaptionWidth) {
    constexpr float RightMargin = 300, Gap = 100;
    StripLefts lefts{};
    lefts.exit = windowWidth - ExitWidth - RightMargin;
    lefts.back = lefts.exit - BackWidth - Gap;
    lefts.saveAsJpg = lefts.back - SaveAsJpgWidth - Gap;
    lefts.heading = (windowWidth - HeadingWidth) / 2;
    lefts.styleCaption = (windowWidth - styleCaptionWidth) / 2;
    lefts.south = windowWidth / 2 - StyleButtonWidth / 2;
    lefts.north = lefts.south - StyleButtonWidth - Gap;
    lefts.interpretation = lefts.north;
    lefts.east = lefts.south + StyleButtonWidth + Gap;
    lefts.varga = lefts.east + StyleButtonWidth + Gap;
    return lefts;
}

}  // namespace grahavani
