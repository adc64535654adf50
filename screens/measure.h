#pragma once

#include "screen.h"

namespace sprout {

class measure : public Screen {
    Q_OBJECT
public:
    explicit measure(ScreenRegistry& registry);
};

} // namespace sprout
