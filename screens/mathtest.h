#pragma once

#include "screen.h"

namespace sprout {

class MathTest : public Screen {
    Q_OBJECT
public:
    explicit MathTest(ScreenRegistry& registry);
};

} // namespace sprout
