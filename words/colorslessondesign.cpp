#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere",
    .clientWidth = 8760,
    .clientHeight = 5010,
};

// A colour's name is written in a colour, its swatch is a captionless label
// filled with it that says the name too.
constexpr Look name(Colour colour) { return {{"Arial", 14.25, true}, colour}; }
constexpr Look swatch(Colour colour) { return {{}, kDefault, colour, Opaque}; }
constexpr Control swatch(const char* name, Colour colour, int left, int top, const char* colourName,
                         const char* description)
{
    return Control{Kind::Label, name, "", left, top, 2175, 495, swatch(colour)}.saying(colourName).described(description);
}

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kOrange = rgb(255, 128, 0);
constexpr Colour kYellow = rgb(255, 255, 0);
constexpr Colour kGreenColour = rgb(0, 192, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kPurple = rgb(128, 0, 128);
constexpr Colour kGrey = rgb(128, 128, 128);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kPink = rgb(255, 128, 255);

constexpr Look kQuizLink{{"Trebuchet MS", 12, true}, looks::kGreen};
constexpr Look kNoteHeading{{"Trebuchet MS", 12, true}, looks::kLightYellow};
constexpr Look kNote{{"Trebuchet MS", 9.75, false}, looks::kLightYellow};
constexpr Look kTitle{{"Arial", 14.25, true}, looks::kWhite};

constexpr Control kControls[] = {
    // kind         name       text                        left  top   width height look
    {Kind::Label,  "Label25", "Play a game with colors",   3360, 4440, 2775, 375,  kQuizLink},
    {Kind::Label,  "Label24", "Pink",                      4320, 2520, 975,  495,  name(kPink)},
    swatch("Label23", kPink, 5400, 2520, "Pink", "A pink swatch"),
    {Kind::Label,  "Label22", "Back to Main",              6360, 4440, 2055, 375,  looks::kBackLink},
    Control{Kind::Label,  "Label19", "Did you know??",            4320, 3000, 2895, 495,  kNoteHeading}.saying("Did you know?"),
    {Kind::Label,  "Label18", "Grey",                      4440, 720,  735,  495,  name(kGrey)},
    swatch("Label17", kGrey, 5400, 600, "Grey", "A grey swatch"),
    // Black is written in white: black letters would vanish on the backdrop.
    {Kind::Label,  "Label16", "Black",                     4320, 1320, 1095, 495,  name(looks::kWhite)},
    swatch("Label15", kBlack, 5400, 1200, "Black", "A black swatch"),
    {Kind::Label,  "Label14", "White",                     4320, 1920, 975,  495,  name(looks::kWhite)},
    swatch("Label13", looks::kWhite, 5400, 1920, "White", "A white swatch"),
    swatch("Label12", kPurple, 1800, 3720, "Purple", "A purple swatch"),
    {Kind::Label,  "Label11", "Purple",                    720,  3840, 1095, 495,  name(kPurple)},
    swatch("Label10", kBlue, 1800, 3120, "Blue", "A blue swatch"),
    {Kind::Label,  "Label9",  "Blue",                      960,  3240, 615,  495,  name(kBlue)},
    swatch("Label8", kGreenColour, 1800, 2520, "Green", "A green swatch"),
    {Kind::Label,  "Label7",  "Green",                     840,  2640, 855,  495,  name(kGreenColour)},
    swatch("Label6", kYellow, 1800, 1920, "Yellow", "A yellow swatch"),
    {Kind::Label,  "Label5",  "Yellow",                    720,  2040, 975,  495,  name(kYellow)},
    swatch("Label4", kOrange, 1800, 1320, "Orange", "An orange swatch"),
    {Kind::Label,  "Label3",  "Orange",                    720,  1440, 1095, 495,  name(kOrange)},
    swatch("Label2", kRed, 1800, 720, "Red", "A red swatch"),
    {Kind::Label,  "Label1",  "Red",                       960,  840,  615,  495,  name(kRed)},
    Control{Kind::Label,  "Label21", "White and black are not actually colors, but instead are called \"Shades\".",
                                                           5160, 3360, 2895, 855,  kNote}
        .saying("White and black are not actually colors, but instead are called shades."),
    {Kind::Label,  "Label20", "Common Colors",             3240, 240,  2295, 495,  kTitle},
    Control{Kind::Image,  "Image8",  "colorsbackdrop",            0,    0,    8775, 5040, looks::kStretched}.backdrop(kLessonBackdrop),
};

} // namespace

const ScreenDesign colorsLesson{kWindow, kControls};

} // namespace sprout::designs
