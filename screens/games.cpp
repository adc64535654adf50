#include "games.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Games Menu",
    .clientWidth = 8775,
    .clientHeight = 5490,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

Games::Games(ScreenRegistry& registry) : Screen(registry, ScreenId::Games, kWindow, {}) {}

} // namespace sprout
