#pragma once

#include "screen.h"

namespace sprout {

// The screen frmShapes: seven common shapes, each a picture beside a short sentence.
class ShapesLesson : public Screen {
    Q_OBJECT
public:
    explicit ShapesLesson(ScreenRegistry& registry);

protected:
    void controlsBuilt() override;
};

} // namespace sprout
