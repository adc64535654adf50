#pragma once

#include <QRgb>
#include <span>

namespace sprout {

// Screens are designed in twips; at the usual 96 dots per inch 15 twips make a pixel.
// A screen shown larger (the full-screen classroom) multiplies by one factor, here
// and nowhere else, so positions, sizes and fonts grow together.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips, double scale = 1.0)
{
    return static_cast<int>(twips * scale / kTwipsPerPixel);
}

enum class Kind { Label, TextBox, Frame, Button, Image, PictureBox, Line, ImageList };

// Appearance flags of a control; combine with |.
enum Flag : unsigned {
    None = 0,
    Opaque = 1u << 0,      // a label fills its rectangle with its back colour
    Hidden = 1u << 1,      // Visible = False at design time
    MultiLine = 1u << 2,   // text box with several lines
    ScrollBar = 1u << 3,   // multi-line text box with a vertical scroll bar
    ReadOnly = 1u << 4,    // locked text box
    Stretch = 1u << 5,     // image stretched to its rectangle
    Centred = 1u << 6,     // label text centred
    Sunken = 1u << 7,      // picture box with a sunken border
};

struct Font {
    const char* family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

constexpr QRgb kDefault = 0x01000000; // the platform's own colour for that part
constexpr QRgb rgb(int red, int green, int blue) { return qRgb(red, green, blue); }

struct Look {
    Font font;
    QRgb fore = kDefault;
    QRgb back = kDefault;
    unsigned flags = None;
};

// One row of a screen's design table. Rows are listed in stacking order from top
// to bottom, exactly as designed.
struct Control {
    Kind kind;
    const char* name;
    // Caption or text; for images and picture boxes the built-in picture's name.
    const char* text;
    // Twips. For a line the four numbers are X1, Y1, X2, Y2.
    int left, top, width, height;
    Look look = {};
    const char* parent = nullptr; // the frame it lies in; its position is relative to it
    int tabIndex = -1;            // place in the tab order; -1 for none
    int index = 0;                // index in a control array, 0 when not in one
};

struct MenuEntry {
    const char* name;
    const char* caption;
};

inline constexpr MenuEntry kExitOnly[] = {{"mnuExit", "Exit Program"}};

enum class Placement { Centre, PlatformDefault };

// The window frame of a screen. The defaults are the window most screens have:
// centred, of a fixed size, without an icon, with only "Exit Program" on its menu
// bar; a screen's table names its caption, its size and what it does otherwise.
struct WindowDesign {
    const char* caption;
    int clientWidth, clientHeight; // twips
    Placement placement = Placement::Centre;
    bool resizable = false;
    bool icon = false;
    std::span<const MenuEntry> menu = kExitOnly;
};

// Shared looks.
namespace looks {
inline constexpr QRgb kWhite = rgb(255, 255, 255);
inline constexpr QRgb kLightYellow = rgb(255, 255, 128);
inline constexpr QRgb kGreen = rgb(0, 255, 0);
inline constexpr Look kBackLink{{"Trebuchet MS", 15.75, true}, kGreen};
inline constexpr Look kStretched{{}, kDefault, kDefault, Stretch}; // a picture filling its rectangle
inline constexpr Look kLessonTitle{{"Trebuchet MS", 15.75, true}, kWhite};
inline constexpr Look kLessonText{{"Trebuchet MS", 11.25, true}, kLightYellow};
inline constexpr Look kMenuLink{{"Trebuchet MS", 14.25, true}, kWhite};
} // namespace looks

} // namespace sprout
