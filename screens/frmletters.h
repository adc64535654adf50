#pragma once

#include "screen.h"

namespace sprout {

class frmLetters : public Screen {
    Q_OBJECT
public:
    explicit frmLetters(ScreenRegistry& registry);
};

} // namespace sprout
