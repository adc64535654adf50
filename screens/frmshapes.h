#pragma once

#include "screen.h"

namespace sprout {

// Seven common shapes, each a picture beside a short sentence.
class frmShapes : public Screen {
    Q_OBJECT
public:
    explicit frmShapes(ScreenRegistry& registry);

protected:
    void controlsBuilt() override;
};

} // namespace sprout
