#include "guessshape.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Guess the Shape",
    .clientWidth = 8775,
    .clientHeight = 6915,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

Guessshape::Guessshape(ScreenRegistry& registry) : Screen(registry, ScreenId::Guessshape, kWindow, {}) {}

} // namespace sprout
