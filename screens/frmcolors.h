#pragma once

#include "screen.h"

namespace sprout {

// Ten common colours, each a name written in its colour beside a swatch of it.
class frmColors : public Screen {
    Q_OBJECT
public:
    explicit frmColors(ScreenRegistry& registry);
};

} // namespace sprout
