#pragma once

// Descriptions of the calculations windows' controls, in twips as the
// windows were laid out (15 twips a pixel).
namespace yuc::calc {

struct Twips {
    int left, top, width, height;
};

enum class Kind {
    Label,        // plain single-line label
    HeadingLabel, // bold 9.75 pt label
    TitleLabel,   // bold serif 14.25 pt, centred
    WrapLabel,    // label that wraps its text within its width
    Frame,        // group box with a bold caption
    TextBox,      // white editable text box
    Button,
    BoldButton,
};

struct ControlDesc {
    const char *name;
    const char *parent; // a frame's name, or empty for the page or window
    Kind kind;
    const char *text;
    Twips at;
};

// One row of label, text box and scroll bar; the label is right-aligned and
// ends just before the text box.
struct EntryGeometry {
    int labelLeft;
    int editLeft, editWidth, editHeight;
    int barLeft, barWidth, barHeight;
};

struct EntryDesc {
    const char *labelName;
    const char *label;
    const char *edit;
    const char *bar;
    int top;
};

struct LineDesc {
    const char *name;
    int x1, y1, x2, y2;
};

} // namespace yuc::calc
