#include "frmnumbers.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 10335,
    .clientHeight = 6120,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

FrmNumbers::FrmNumbers(ScreenRegistry& registry) : Screen(registry, ScreenId::FrmNumbers, kWindow, {}) {}

} // namespace sprout
