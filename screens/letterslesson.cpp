#include "letterslesson.h"

#include "screendesigns.h"

namespace sprout {

LettersLesson::LettersLesson(ScreenRegistry& registry)
    : Screen(registry, ScreenId::frmLetters, designs::lettersLesson)
{
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

} // namespace sprout
