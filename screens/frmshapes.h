#pragma once

#include "screen.h"

namespace sprout {

class frmShapes : public Screen {
    Q_OBJECT
public:
    explicit frmShapes(ScreenRegistry& registry);
};

} // namespace sprout
