#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 11400,
    .clientHeight = 8265,
    .icon = true,
};

constexpr Look text(double points, Colour colour) { return {{"Trebuchet MS", points, true}, colour}; }
constexpr Look kHiddenButton{{"Trebuchet MS", 11.25, true}};

// A shape's picture says the shape's name.
constexpr Control shape(const char* name, const char* picture, int left, int top, int width, int height,
                        const char* shapeName, const char* description)
{
    return Control{Kind::Image, name, picture, left, top, width, height, looks::kStretched}
        .saying(shapeName).described(description);
}

constexpr Control kControls[] = {
    // kind          name        text                                    left   top    width  height look
    // Below the client area, so never seen: the keyboard's way back.
    {Kind::Button,  "Command1", "Back to main",                          10440, 14400, 1575,  1095, kHiddenButton, nullptr, 0},
    {Kind::Label,   "Label12",  "Play a game with shapes",               5640,  7560,  2775,  375,  text(12, looks::kGreen)},
    {Kind::Label,   "Label11",  "Back to Main",                          9000,  7560,  2055,  375,  looks::kBackLink},
    Control{Kind::Label,   "Label5",   "A ciricle is round having no sides, a very common shape you see in fruit, car tires, and plates.",
                                                                         7320,  2160,  3735,  1335, text(12, looks::kWhite)}
        .saying("A circle is round having no sides, a very common shape you see in fruit, car tires, and plates."),
    Control{Kind::Label,   "Label7",   "A rectangle  is like a square but streched out. It has 4 sides, with 2 sets of equal sides.",
                                                                         2520,  3480,  3135,  1455, text(12, looks::kWhite)}
        .saying("A rectangle is like a square but stretched out. It has 4 sides, with 2 sets of equal sides."),
    shape("Image6", "rectangle", 240, 3480, 2145, 885, "Rectangle", "A rectangle"),
    {Kind::Label,   "Label10",  "Shapes",                                4920,  240,   1695,  495,  text(21.75, looks::kWhite)},
    {Kind::Label,   "Label8",   "A hexagon has 6 sides.",                2160,  2400,  3615,  735,  text(12, looks::kWhite)},
    shape("Image7", "hexagon", 600, 2040, 1395, 1215, "Hexagon", "A hexagon, with 6 sides"),
    {Kind::Label,   "Label9",   "Equal means the same!",                 2520,  7560,  3015,  375,  text(12, looks::kLightYellow)},
    Control{Kind::Label,   "Label6",   "A pentagon  has 5 sides.",              2520,  5040,  1815,  735,  text(12, looks::kWhite)}
        .saying("A pentagon has 5 sides."),
    Control{Kind::Label,   "Label4",   "A triangle is a shape with 3 sides",    7320,  4200,  3615,  735,  text(12, looks::kWhite)}
        .saying("A triangle is a shape with 3 sides."),
    Control{Kind::Label,   "Label3",   "An Oval is like a ciricle but streched out. Like a ciricle an Oval has no sides",
                                                                         7200,  6000,  3855,  1095, text(12, looks::kWhite)}
        .saying("An oval is like a circle but stretched out. Like a circle, an oval has no sides."),
    Control{Kind::Label,   "Label2",   "A square  has 4 equal sides.",          2400,  6600,  3375,  735,  text(12, looks::kWhite)}
        .saying("A square has 4 equal sides."),
    shape("Image5", "pentagon", 360, 4440, 1920, 1620, "Pentagon", "A pentagon, with 5 sides"),
    shape("Image4", "circle", 5760, 1920, 1455, 1350, "Circle", "A circle"),
    shape("Image3", "triangle", 5760, 3840, 1575, 1230, "Triangle", "A triangle, with 3 sides"),
    shape("Image2", "oval", 6000, 5520, 1080, 1815, "Oval", "An oval"),
    shape("Image1", "square", 600, 6360, 1440, 1335, "Square", "A square, with 4 equal sides"),
    {Kind::Label,   "Label1",   "All shapes have sides, from small to big ones they are all over the place.",
                                                                         360,   840,   9255,  615,  text(12, looks::kLightYellow)},
    Control{Kind::Label,   "Label19",  "What is a shape: A shape is any object or a series of objects added together. Here are some of the most common shapes. ",
                                                                         360,   1320,  10815, 615,  text(12, looks::kLightYellow)}
        .saying("What is a shape? A shape is any object or a series of objects added together. Here are "
                "some of the most common shapes."),
    Control{Kind::Image,   "Image8",   "backdrop",                              0,     0,     11415, 8280, looks::kStretched}.backdrop(kLessonBackdrop),
};

} // namespace

const ScreenDesign shapesLesson{kWindow, kControls};

} // namespace sprout::designs
