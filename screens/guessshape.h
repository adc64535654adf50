#pragma once

#include "screen.h"

namespace sprout {

class Guessshape : public Screen {
    Q_OBJECT
public:
    explicit Guessshape(ScreenRegistry& registry);
};

} // namespace sprout
