#pragma once

#include "screen.h"

namespace sprout {

// The screen Games, the games menu: five games listed on the classroom board. The
// games' rules are in games/.
class GamesMenu : public Screen {
    Q_OBJECT
public:
    explicit GamesMenu(ScreenRegistry& registry);
};

} // namespace sprout
