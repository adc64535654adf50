#pragma once

#include "screen.h"

namespace sprout {

// The screen frmColors: ten common colours, each a name written in its colour
// beside a swatch of it.
class ColorsLesson : public Screen {
    Q_OBJECT
public:
    explicit ColorsLesson(ScreenRegistry& registry);
};

} // namespace sprout
