#include "mathtest.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Test your math",
    .clientWidth = 8775,
    .clientHeight = 7500,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

MathTest::MathTest(ScreenRegistry& registry) : Screen(registry, ScreenId::MathTest, kWindow, {}) {}

} // namespace sprout
