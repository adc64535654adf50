#include "numberslesson.h"

#include "screendesigns.h"

namespace sprout {

NumbersLesson::NumbersLesson(ScreenRegistry& registry)
    : Screen(registry, ScreenId::FrmNumbers, designs::numbersLesson)
{
    onClick("Label22", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

} // namespace sprout
