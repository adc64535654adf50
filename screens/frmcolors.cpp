#include "frmcolors.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere",
    .clientWidth = 8760,
    .clientHeight = 5010,
};

// A colour's name is written in a colour, its swatch is a captionless label
// filled with it.
constexpr Look name(QRgb colour) { return {{"Arial", 14.25, true}, colour}; }
constexpr Look swatch(QRgb colour) { return {{}, kDefault, colour, Opaque}; }

constexpr QRgb kRed = rgb(255, 0, 0);
constexpr QRgb kOrange = rgb(255, 128, 0);
constexpr QRgb kYellow = rgb(255, 255, 0);
constexpr QRgb kGreenColour = rgb(0, 192, 0);
constexpr QRgb kBlue = rgb(0, 0, 255);
constexpr QRgb kPurple = rgb(128, 0, 128);
constexpr QRgb kGrey = rgb(128, 128, 128);
constexpr QRgb kBlack = rgb(0, 0, 0);
constexpr QRgb kPink = rgb(255, 128, 255);

constexpr Look kQuizLink{{"Trebuchet MS", 12, true}, looks::kGreen};
constexpr Look kNoteHeading{{"Trebuchet MS", 12, true}, looks::kLightYellow};
constexpr Look kNote{{"Trebuchet MS", 9.75, false}, looks::kLightYellow};
constexpr Look kTitle{{"Arial", 14.25, true}, looks::kWhite};

constexpr Control kControls[] = {
    // kind         name       text                        left  top   width height look
    {Kind::Label,  "Label25", "Play a game with colors",   3360, 4440, 2775, 375,  kQuizLink},
    {Kind::Label,  "Label24", "Pink",                      4320, 2520, 975,  495,  name(kPink)},
    {Kind::Label,  "Label23", "",                          5400, 2520, 2175, 495,  swatch(kPink)},
    {Kind::Label,  "Label22", "Back to Main",              6360, 4440, 2055, 375,  looks::kBackLink},
    {Kind::Label,  "Label19", "Did you know??",            4320, 3000, 2895, 495,  kNoteHeading},
    {Kind::Label,  "Label18", "Grey",                      4440, 720,  735,  495,  name(kGrey)},
    {Kind::Label,  "Label17", "",                          5400, 600,  2175, 495,  swatch(kGrey)},
    // Black is written in white: black letters would vanish on the backdrop.
    {Kind::Label,  "Label16", "Black",                     4320, 1320, 1095, 495,  name(looks::kWhite)},
    {Kind::Label,  "Label15", "",                          5400, 1200, 2175, 495,  swatch(kBlack)},
    {Kind::Label,  "Label14", "White",                     4320, 1920, 975,  495,  name(looks::kWhite)},
    {Kind::Label,  "Label13", "",                          5400, 1920, 2175, 495,  swatch(looks::kWhite)},
    {Kind::Label,  "Label12", "",                          1800, 3720, 2175, 495,  swatch(kPurple)},
    {Kind::Label,  "Label11", "Purple",                    720,  3840, 1095, 495,  name(kPurple)},
    {Kind::Label,  "Label10", "",                          1800, 3120, 2175, 495,  swatch(kBlue)},
    {Kind::Label,  "Label9",  "Blue",                      960,  3240, 615,  495,  name(kBlue)},
    {Kind::Label,  "Label8",  "",                          1800, 2520, 2175, 495,  swatch(kGreenColour)},
    {Kind::Label,  "Label7",  "Green",                     840,  2640, 855,  495,  name(kGreenColour)},
    {Kind::Label,  "Label6",  "",                          1800, 1920, 2175, 495,  swatch(kYellow)},
    {Kind::Label,  "Label5",  "Yellow",                    720,  2040, 975,  495,  name(kYellow)},
    {Kind::Label,  "Label4",  "",                          1800, 1320, 2175, 495,  swatch(kOrange)},
    {Kind::Label,  "Label3",  "Orange",                    720,  1440, 1095, 495,  name(kOrange)},
    {Kind::Label,  "Label2",  "",                          1800, 720,  2175, 495,  swatch(kRed)},
    {Kind::Label,  "Label1",  "Red",                       960,  840,  615,  495,  name(kRed)},
    {Kind::Label,  "Label21", "White and black are not actually colors, but instead are called \"Shades\".",
                                                           5160, 3360, 2895, 855,  kNote},
    {Kind::Label,  "Label20", "Common Colors",             3240, 240,  2295, 495,  kTitle},
    {Kind::Image,  "Image8",  "colorsbackdrop",            0,    0,    8775, 5040, looks::kStretched},
};

} // namespace

frmColors::frmColors(ScreenRegistry& registry)
    : Screen(registry, ScreenId::frmColors, kWindow, kControls)
{
    onClick("Label22", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Label25", [this] { navigate(ScreenId::GuessColor, Order::HideThenShow); });
}

} // namespace sprout
