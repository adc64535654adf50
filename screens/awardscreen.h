#pragma once

#include "screen.h"

namespace sprout {

// The four award screens are twins that differ only in a few positions and in
// the certificate they show and print.
class AwardScreen : public Screen {
    Q_OBJECT
public:
    AwardScreen(ScreenRegistry& registry, ScreenId id);
};

} // namespace sprout
