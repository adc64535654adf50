#pragma once

#include "screen.h"

namespace sprout {

class Form1 : public Screen {
    Q_OBJECT
public:
    explicit Form1(ScreenRegistry& registry);
};

} // namespace sprout
