#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Learn to Measure",
    .clientWidth = 10425,
    .clientHeight = 5880,
    .placement = Placement::PlatformDefault,
};

// The ruler picture is stretched to its box; its marks 0 to 10 lie 22 pixels in from
// either end of the 662 drawn, a centimetre apart.
constexpr double rulerMark(int cm) { return (22.0 + cm * 61.8) / 662.0; }
constexpr double kRulerMarks[] = {
    rulerMark(0), rulerMark(1), rulerMark(2), rulerMark(3), rulerMark(4), rulerMark(5),
    rulerMark(6), rulerMark(7), rulerMark(8), rulerMark(9), rulerMark(10),
};

constexpr Control kControls[] = {
    // kind         name       text              left  top   width  height look
    Control{Kind::Label,  "Label1",  "- The brown thing above is a ruler, that is a tool that can help you measure distances. There are many ways to measure things, you can measure them in inches, feet,  meters, centimeters, milimeters, and even in kilometers and meters. The brown ruler above is measured n in centimeters, as seen by the number 0 , 1, 2, 3, 4, 5, 6, 7, 8, 9, 10. All the little lines inbetween the numbers, like between 1 and 2 are milimeters. There are 10 milimeters in a centimeter.",
                                                 360,  3240, 9735,  1815, looks::kLessonText}
        .saying("The brown thing above is a ruler, that is a tool that can help you measure distances. "
                "There are many ways to measure things, you can measure them in inches, feet, meters, "
                "centimeters, millimeters, and even in kilometers and meters. The brown ruler above is "
                "measured in centimeters, as seen by the numbers 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10. All "
                "the little lines in between the numbers, like between 1 and 2, are millimeters. There "
                "are 10 millimeters in a centimeter."),
    Control{Kind::Image,  "Image1",  "ruler",           240,  1920, 9930,  1290, looks::kStretched}
        .markedAt(kRulerMarks).named("Ruler").described("A ruler marked in centimeters from 0 to 10"),
    Control{Kind::Label,  "Label19", "Measurements is finding the distance between a start and finish point, and that can be many things! You can use measurements to find out how tall you are, the distance from your house to school, and so much more.",
                                                 360,  840,  9735,  1095, looks::kLessonText}
        .saying("Measurement is finding the distance between a start and finish point, and that can be "
                "many things! You can use measurements to find out how tall you are, the distance from "
                "your house to school, and so much more."),
    {Kind::Label,  "Label7",  "Measurements!",   3840, 240,  2295,  375,  looks::kLessonTitle},
    {Kind::Label,  "Label11", "Back to Main",    8160, 5280, 2055,  375,  looks::kBackLink},
    Control{Kind::Image,  "Image8",  "backdrop",        0,    0,    10455, 5880, looks::kStretched}.backdrop(kLessonBackdrop),
};

} // namespace

const ScreenDesign measureLesson{kWindow, kControls};

} // namespace sprout::designs
