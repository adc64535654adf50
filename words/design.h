#pragma once

#include "phrase.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace sprout {

using words::narrator;
using words::Phrase;
using words::Reply;
using words::teacher;

// Screens are designed in twips; at the usual 96 dots per inch 15 twips make a pixel.
constexpr int kTwipsPerPixel = 15;
// A screen shown larger (the full-screen classroom) multiplies by one factor, here
// and nowhere else, so positions, sizes and fonts grow together.
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

// 0xAARRGGBB, opaque, as the screen draws it.
using Colour = std::uint32_t;
constexpr Colour kDefault = 0x01000000; // the platform's own colour for that part
constexpr Colour rgb(int red, int green, int blue)
{
    return 0xff000000u | Colour(red & 0xff) << 16 | Colour(green & 0xff) << 8 | Colour(blue & 0xff);
}

struct Look {
    Font font;
    Colour fore = kDefault;
    Colour back = kDefault;
    unsigned flags = None;
};

// What resting the pointer on a control says.
enum class Speaks {
    Words,    // its words (see Control::words), or nothing if it has none
    Nothing,  // a backdrop or board: a name for screen readers, silent to the pointer
    Letters,  // a row of letters in its caption: the letter under the pointer
    Marks,    // a picture with numbered marks: the number nearest the pointer
    Question, // the quiz picture: the question of the picture on show
};

// What a control says and what a screen reader reads for it, where that is not
// simply its caption.
struct Spoken {
    Phrase said = {};                  // empty: the caption, less a list hyphen
    const char* name = nullptr;        // accessible name; null: the words said
    const char* description = nullptr; // accessible description where it helps
    Speaks speaks = Speaks::Words;
    std::span<const double> marks = {}; // Speaks::Marks: where 0, 1, 2 ... lie, as fractions of the width
};

// One row of a screen's design table. Rows are listed in stacking order from top
// to bottom, exactly as designed; what a row says is added with the calls below
// ("Control{...}.saying("Red").described("A red swatch")").
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
    Spoken spoken = {};

    constexpr Control saying(Phrase phrase) const { return with([&](Spoken& s) { s.said = phrase; }); }
    constexpr Control saying(std::string_view words) const { return saying(narrator(words)); }
    constexpr Control named(const char* name) const { return with([&](Spoken& s) { s.name = name; }); }
    constexpr Control described(const char* text) const { return with([&](Spoken& s) { s.description = text; }); }
    constexpr Control speaking(Speaks how) const { return with([&](Spoken& s) { s.speaks = how; }); }
    constexpr Control markedAt(std::span<const double> marks) const
    {
        return with([&](Spoken& s) {
            s.speaks = Speaks::Marks;
            s.marks = marks;
        });
    }
    // A backdrop or board: named for screen readers, silent to the pointer.
    constexpr Control backdrop(const char* name) const { return named(name).speaking(Speaks::Nothing); }

    // What the control says while it shows what the table gives it; empty for none.
    constexpr Phrase words() const
    {
        if (!spoken.said.text.empty() || spoken.speaks != Speaks::Words)
            return spoken.said;
        return showsText() ? narrator(withoutListHyphen(text)) : Phrase{};
    }
    // Whether the control shows its text in a font: a caption, a title or a box's text.
    constexpr bool showsText() const
    {
        const bool captioned = kind == Kind::Label || kind == Kind::Button || kind == Kind::Frame
                               || kind == Kind::TextBox;
        return captioned && text;
    }
    constexpr std::string_view accessibleName() const { return spoken.name ? spoken.name : words().text; }

private:
    template <class Change> constexpr Control with(Change change) const
    {
        Control changed = *this;
        change(changed.spoken);
        return changed;
    }
    // "-  Learn Colors." on the board is said "Learn Colors.".
    static constexpr std::string_view withoutListHyphen(std::string_view caption)
    {
        const auto words = caption.find_first_not_of(" -");
        return caption.starts_with('-') && words != caption.npos ? caption.substr(words) : caption;
    }
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

// A quiz picture: the file it is read from ("\Pink.bmp") and what is asked while
// it is on the board. A file name left empty is a number without a question.
struct Question {
    const char* file;
    Phrase asked = {};
};

// All of one screen that is data: its window, its controls with their words, the
// quiz pictures it asks about and what it may write in reply.
struct ScreenDesign {
    WindowDesign window;
    std::span<const Control> controls;
    std::span<const Question> questions = {};
    std::span<const Reply> replies = {};
    // The control whose words are said each time the screen comes into view.
    const char* saidOnArrival = nullptr;
};

// Shared looks.
namespace looks {
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kLightYellow = rgb(255, 255, 128);
inline constexpr Colour kGreen = rgb(0, 255, 0);
inline constexpr Look kBackLink{{"Trebuchet MS", 15.75, true}, kGreen};
inline constexpr Look kStretched{{}, kDefault, kDefault, Stretch}; // a picture filling its rectangle
inline constexpr Look kLessonTitle{{"Trebuchet MS", 15.75, true}, kWhite};
inline constexpr Look kLessonText{{"Trebuchet MS", 11.25, true}, kLightYellow};
inline constexpr Look kMenuLink{{"Trebuchet MS", 14.25, true}, kWhite};
} // namespace looks

// What screen readers call the two large pictures most screens lie on.
inline constexpr const char* kClassroomBoard = "The classroom board";
inline constexpr const char* kLessonBackdrop = "An evening sky behind the lesson";

} // namespace sprout
