#pragma once

#include "screen.h"

namespace sprout {

class GuessColor : public Screen {
    Q_OBJECT
public:
    explicit GuessColor(ScreenRegistry& registry);
};

} // namespace sprout
