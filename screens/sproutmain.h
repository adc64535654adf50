#pragma once

#include "screen.h"

namespace sprout {

// The classroom: Mr. Pim greets the child, then shows the board of lessons.
class SproutMain : public Screen {
    Q_OBJECT
public:
    explicit SproutMain(ScreenRegistry& registry);

    static const char* const kGreeting;
    static const char* const kBoardText;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void mnuUpdates_Click();
    void mnuMore_Click();
    void setConversation(const char* text);
};

} // namespace sprout
