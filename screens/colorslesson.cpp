#include "colorslesson.h"

#include "screendesigns.h"

namespace sprout {

ColorsLesson::ColorsLesson(ScreenRegistry& registry)
    : Screen(registry, ScreenId::frmColors, designs::colorsLesson)
{
    onClick("Label22", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
    onClick("Label25", [this] { navigate(ScreenId::GuessColor, Order::HideThenShow); });
}

} // namespace sprout
