#include "frmcolors.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere",
    .clientWidth = 8760,
    .clientHeight = 5010,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

frmColors::frmColors(ScreenRegistry& registry) : Screen(registry, ScreenId::frmColors, kWindow, {}) {}

} // namespace sprout
