#pragma once
// Where the main window's strip controls go across its width: the bottom buttons at
// the right, the heading and the style buttons centred, the divisional chart's chooser
// right of them.

namespace grahavani {

// Left edges in twips, worked out in single precision like the layout they follow.
struct StripLefts {
    float exit;
    float back;
    float saveAsJpg;
    float heading;
    float styleCaption;
    float south;
    float north;
    float interpretation;
    float east;
    float varga;
};

// Widths of the strip controls in twips; the style caption sizes itself to its text.
inline constexpr float ExitWidth = 1095, BackWidth = 1095, SaveAsJpgWidth = 1455;
inline constexpr float HeadingWidth = 3690, StyleButtonWidth = 2000, InterpretationWidth = 6255;
inline constexpr float VargaChooserWidth = 2600;

// windowWidth is the whole window's width, frame included. A window narrower than
// the controls gives negative lefts; nothing enforces a minimum.
StripLefts ComputeStripLefts(float windowWidth, float styleCaptionWidth);

}  // namespace grahavani
