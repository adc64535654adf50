#include "measurescreen.h"

#include "screendesigns.h"

namespace sprout {

MeasureScreen::MeasureScreen(ScreenRegistry& registry)
    : Screen(registry, ScreenId::measure, designs::measureLesson)
{
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::ShowThenHide); });
}

} // namespace sprout
