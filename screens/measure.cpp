#include "measure.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Learn to Measure",
    .clientWidth = 10425,
    .clientHeight = 5880,
    .placement = Placement::PlatformDefault,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

measure::measure(ScreenRegistry& registry) : Screen(registry, ScreenId::measure, kWindow, {}) {}

} // namespace sprout
