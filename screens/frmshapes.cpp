#include "frmshapes.h"

#include <QPushButton>

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 11400,
    .clientHeight = 8265,
    .icon = true,
};

constexpr Look text(double points, QRgb colour) { return {{"Trebuchet MS", points, true}, colour}; }
constexpr Look kHiddenButton{{"Trebuchet MS", 11.25, true}};

constexpr Control kControls[] = {
    // kind          name        text                                    left   top    width  height look
    // Below the client area, so never seen: the keyboard's way back.
    {Kind::Button,  "Command1", "Back to main",                          10440, 14400, 1575,  1095, kHiddenButton, nullptr, 0},
    {Kind::Label,   "Label12",  "Play a game with shapes",               5640,  7560,  2775,  375,  text(12, looks::kGreen)},
    {Kind::Label,   "Label11",  "Back to Main",                          9000,  7560,  2055,  375,  looks::kBackLink},
    {Kind::Label,   "Label5",   "A ciricle is round having no sides, a very common shape you see in fruit, car tires, and plates.",
                                                                         7320,  2160,  3735,  1335, text(12, looks::kWhite)},
    {Kind::Label,   "Label7",   "A rectangle  is like a square but streched out. It has 4 sides, with 2 sets of equal sides.",
                                                                         2520,  3480,  3135,  1455, text(12, looks::kWhite)},
    {Kind::Image,   "Image6",   "rectangle",                             240,   3480,  2145,  885,  looks::kStretched},
    {Kind::Label,   "Label10",  "Shapes",                                4920,  240,   1695,  495,  text(21.75, looks::kWhite)},
    {Kind::Label,   "Label8",   "A hexagon has 6 sides.",                2160,  2400,  3615,  735,  text(12, looks::kWhite)},
    {Kind::Image,   "Image7",   "hexagon",                               600,   2040,  1395,  1215, looks::kStretched},
    {Kind::Label,   "Label9",   "Equal means the same!",                 2520,  7560,  3015,  375,  text(12, looks::kLightYellow)},
    {Kind::Label,   "Label6",   "A pentagon  has 5 sides.",              2520,  5040,  1815,  735,  text(12, looks::kWhite)},
    {Kind::Label,   "Label4",   "A triangle is a shape with 3 sides",    7320,  4200,  3615,  735,  text(12, looks::kWhite)},
    {Kind::Label,   "Label3",   "An Oval is like a ciricle but streched out. Like a ciricle an Oval has no sides",
                                                                         7200,  6000,  3855,  1095, text(12, looks::kWhite)},
    {Kind::Label,   "Label2",   "A square  has 4 equal sides.",          2400,  6600,  3375,  735,  text(12, looks::kWhite)},
    {Kind::Image,   "Image5",   "pentagon",                              360,   4440,  1920,  1620, looks::kStretched},
    {Kind::Image,   "Image4",   "circle",                                5760,  1920,  1455,  1350, looks::kStretched},
    {Kind::Image,   "Image3",   "triangle",                              5760,  3840,  1575,  1230, looks::kStretched},
    {Kind::Image,   "Image2",   "oval",                                  6000,  5520,  1080,  1815, looks::kStretched},
    {Kind::Image,   "Image1",   "square",                                600,   6360,  1440,  1335, looks::kStretched},
    {Kind::Label,   "Label1",   "All shapes have sides, from small to big ones they are all over the place.",
                                                                         360,   840,   9255,  615,  text(12, looks::kLightYellow)},
    {Kind::Label,   "Label19",  "What is a shape: A shape is any object or a series of objects added together. Here are some of the most common shapes. ",
                                                                         360,   1320,  10815, 615,  text(12, looks::kLightYellow)},
    {Kind::Image,   "Image8",   "backdrop",                              0,     0,     11415, 8280, looks::kStretched},
};

} // namespace

frmShapes::frmShapes(ScreenRegistry& registry)
    : Screen(registry, ScreenId::frmShapes, kWindow, kControls)
{
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Command1", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Label12", [this] { navigate(ScreenId::Guessshape, Order::HideThenShow); });
}

void frmShapes::controlsBuilt()
{
    // The button holds the focus whenever the screen is active, and Enter presses
    // it as well as the space bar does, also outside a dialog.
    control<QPushButton>("Command1")->setAutoDefault(true);
}

} // namespace sprout
