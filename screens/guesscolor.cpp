#include "guesscolor.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Guess the Color",
    .clientWidth = 8790,
    .clientHeight = 6855,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

GuessColor::GuessColor(ScreenRegistry& registry) : Screen(registry, ScreenId::GuessColor, kWindow, {}) {}

} // namespace sprout
