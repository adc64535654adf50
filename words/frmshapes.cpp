#include "tables.h"

namespace sprout::words {

namespace {

constexpr ControlWords kControls[] = {
    {"Command1", said("Back to main")},
    {"Label12", said("Play a game with shapes")},
    {"Label11", said("Back to main")},
    {"Label5", said("A circle is round having no sides, a very common shape you see in fruit, "
                    "car tires, and plates.")},
    {"Label7", said("A rectangle is like a square but stretched out. It has 4 sides, with 2 "
                    "sets of equal sides.")},
    {"Image6", said("Rectangle"), {}, "A rectangle"},
    {"Label10", said("Shapes")},
    {"Label8", said("A hexagon has 6 sides.")},
    {"Image7", said("Hexagon"), {}, "A hexagon, with 6 sides"},
    {"Label9", said("Equal means the same!")},
    {"Label6", said("A pentagon has 5 sides.")},
    {"Label4", said("A triangle is a shape with 3 sides.")},
    {"Label3", said("An oval is like a circle but stretched out. Like a circle, an oval has "
                    "no sides.")},
    {"Label2", said("A square has 4 equal sides.")},
    {"Image5", said("Pentagon"), {}, "A pentagon, with 5 sides"},
    {"Image4", said("Circle"), {}, "A circle"},
    {"Image3", said("Triangle"), {}, "A triangle, with 3 sides"},
    {"Image2", said("Oval"), {}, "An oval"},
    {"Image1", said("Square"), {}, "A square, with 4 equal sides"},
    {"Label1", said("All shapes have sides, from small to big ones they are all over the "
                    "place.")},
    {"Label19", said("What is a shape? A shape is any object or a series of objects added "
                     "together. Here are some of the most common shapes.")},
};

} // namespace

const ScreenWords frmShapesWords{"frmShapes", kControls, {}};

} // namespace sprout::words
