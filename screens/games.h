#pragma once

#include "screen.h"

namespace sprout {

// The games menu: five games listed on the classroom board.
class Games : public Screen {
    Q_OBJECT
public:
    explicit Games(ScreenRegistry& registry);
};

} // namespace sprout
