#include "frmletters.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 9735,
    .clientHeight = 5865,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
};

} // namespace

frmLetters::frmLetters(ScreenRegistry& registry) : Screen(registry, ScreenId::frmLetters, kWindow, {}) {}

} // namespace sprout
