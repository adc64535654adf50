#pragma once

#include "screen.h"

namespace sprout {

class frmColors : public Screen {
    Q_OBJECT
public:
    explicit frmColors(ScreenRegistry& registry);
};

} // namespace sprout
