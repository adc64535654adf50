#pragma once

#include "screen.h"

namespace sprout {

// The screen measure, "Learn to Measure": a ruler and what its marks mean.
class MeasureScreen : public Screen {
    Q_OBJECT
public:
    explicit MeasureScreen(ScreenRegistry& registry);
};

} // namespace sprout
