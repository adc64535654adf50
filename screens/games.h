#pragma once

#include "screen.h"

namespace sprout {

class Games : public Screen {
    Q_OBJECT
public:
    explicit Games(ScreenRegistry& registry);
};

} // namespace sprout
