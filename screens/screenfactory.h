#pragma once

#include "screenregistry.h"

namespace sprout {

// Creates the screen for a slot; the program's factory for ScreenRegistry.
std::unique_ptr<Screen> createScreen(ScreenId id, ScreenRegistry& registry);

} // namespace sprout
