#pragma once

#include "screen.h"

namespace sprout {

// The screen SproutMain, the classroom: Mr. Pim greets the child, then shows the
// board of lessons.
class MainMenu : public Screen {
    Q_OBJECT
public:
    explicit MainMenu(ScreenRegistry& registry);

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void mnuUpdates_Click();
    void mnuMore_Click();
};

} // namespace sprout
