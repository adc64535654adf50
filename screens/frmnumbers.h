#pragma once

#include "screen.h"

namespace sprout {

class FrmNumbers : public Screen {
    Q_OBJECT
public:
    explicit FrmNumbers(ScreenRegistry& registry);
};

} // namespace sprout
