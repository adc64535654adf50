#pragma once

#include "screen.h"

namespace sprout {

// The screen FrmNumbers: counting apples.
class NumbersLesson : public Screen {
    Q_OBJECT
public:
    explicit NumbersLesson(ScreenRegistry& registry);
};

} // namespace sprout
