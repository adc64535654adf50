#include "shapeslesson.h"

#include "screendesigns.h"

#include <QPushButton>

namespace sprout {

ShapesLesson::ShapesLesson(ScreenRegistry& registry)
    : Screen(registry, ScreenId::frmShapes, designs::shapesLesson)
{
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Command1", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Label12", [this] { navigate(ScreenId::Guessshape, Order::HideThenShow); });
}

void ShapesLesson::controlsBuilt()
{
    // The button holds the focus whenever the screen is active, and Enter presses
    // it as well as the space bar does, also outside a dialog.
    control<QPushButton>("Command1")->setAutoDefault(true);
}

} // namespace sprout
