#pragma once

#include "screen.h"

namespace sprout {

// The screen frmLetters: the two alphabets and what a letter is.
class LettersLesson : public Screen {
    Q_OBJECT
public:
    explicit LettersLesson(ScreenRegistry& registry);
};

} // namespace sprout
