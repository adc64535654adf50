#pragma once

#include "screen.h"

namespace sprout {

class Spellword : public Screen {
    Q_OBJECT
public:
    explicit Spellword(ScreenRegistry& registry);
};

} // namespace sprout
