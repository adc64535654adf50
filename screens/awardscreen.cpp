#include "awardscreen.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Congratulations",
    .clientWidth = 8130,
    .clientHeight = 8280,
    .placement = Placement::PlatformDefault,
    .menu = kExitOnly,
};

} // namespace

AwardScreen::AwardScreen(ScreenRegistry& registry, ScreenId id)
    : Screen(registry, id, kWindow, {})
{
}

} // namespace sprout
