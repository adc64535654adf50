#include "measurescreen.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Learn to Measure",
    .clientWidth = 10425,
    .clientHeight = 5880,
    .placement = Placement::PlatformDefault,
};

constexpr Control kControls[] = {
    // kind         name       text              left  top   width  height look
    {Kind::Label,  "Label1",  "- The brown thing above is a ruler, that is a tool that can help you measure distances. There are many ways to measure things, you can measure them in inches, feet,  meters, centimeters, milimeters, and even in kilometers and meters. The brown ruler above is measured n in centimeters, as seen by the number 0 , 1, 2, 3, 4, 5, 6, 7, 8, 9, 10. All the little lines inbetween the numbers, like between 1 and 2 are milimeters. There are 10 milimeters in a centimeter.",
                                                 360,  3240, 9735,  1815, looks::kLessonText},
    {Kind::Image,  "Image1",  "ruler",           240,  1920, 9930,  1290, looks::kStretched},
    {Kind::Label,  "Label19", "Measurements is finding the distance between a start and finish point, and that can be many things! You can use measurements to find out how tall you are, the distance from your house to school, and so much more.",
                                                 360,  840,  9735,  1095, looks::kLessonText},
    {Kind::Label,  "Label7",  "Measurements!",   3840, 240,  2295,  375,  looks::kLessonTitle},
    {Kind::Label,  "Label11", "Back to Main",    8160, 5280, 2055,  375,  looks::kBackLink},
    {Kind::Image,  "Image8",  "backdrop",        0,    0,    10455, 5880, looks::kStretched},
};

} // namespace

MeasureScreen::MeasureScreen(ScreenRegistry& registry)
    : Screen(registry, ScreenId::measure, kWindow, kControls)
{
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::ShowThenHide); });
}

} // namespace sprout
