#include "tables.h"

namespace sprout::words {

namespace {

// The ruler picture is stretched to its box; its marks 0 to 10 lie 22 pixels in from
// either end of the 662 drawn, a centimetre apart.
constexpr double kRulerMark(int cm) { return (22.0 + cm * 61.8) / 662.0; }
constexpr double kRulerMarks[] = {
    kRulerMark(0), kRulerMark(1), kRulerMark(2), kRulerMark(3), kRulerMark(4), kRulerMark(5),
    kRulerMark(6), kRulerMark(7), kRulerMark(8), kRulerMark(9), kRulerMark(10),
};

constexpr ControlWords kControls[] = {
    {"Label1", said("The brown thing above is a ruler, that is a tool that can help you measure "
                    "distances. There are many ways to measure things, you can measure them in "
                    "inches, feet, meters, centimeters, millimeters, and even in kilometers and "
                    "meters. The brown ruler above is measured in centimeters, as seen by the "
                    "numbers 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10. All the little lines in between "
                    "the numbers, like between 1 and 2, are millimeters. There are 10 "
                    "millimeters in a centimeter.")},
    {"Image1", {}, "Ruler", "A ruler marked in centimeters from 0 to 10", Strip::Marks,
     kRulerMarks},
    {"Label19", said("Measurement is finding the distance between a start and finish point, "
                     "and that can be many things! You can use measurements to find out how "
                     "tall you are, the distance from your house to school, and so much more.")},
    {"Label7", said("Measurements!")},
    {"Label11", said("Back to main")},
};

} // namespace

const ScreenWords measureWords{"measure", kControls, {}};

} // namespace sprout::words
