#include "frmshapes.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 11400,
    .clientHeight = 8265,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = true,
    .menu = kExitOnly,
};

} // namespace

frmShapes::frmShapes(ScreenRegistry& registry) : Screen(registry, ScreenId::frmShapes, kWindow, {}) {}

} // namespace sprout
