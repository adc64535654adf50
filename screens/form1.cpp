#include "form1.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Tic-Tac-Toe",
    .clientWidth = 8760,
    .clientHeight = 6930,
    .placement = Placement::Centre,
    .resizable = true,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

Form1::Form1(ScreenRegistry& registry) : Screen(registry, ScreenId::Form1, kWindow, {}) {}

} // namespace sprout
