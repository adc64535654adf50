#include "spellword.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Spell the word!",
    .clientWidth = 8745,
    .clientHeight = 6975,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
};

} // namespace

Spellword::Spellword(ScreenRegistry& registry) : Screen(registry, ScreenId::Spellword, kWindow, {}) {}

} // namespace sprout
