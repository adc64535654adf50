#pragma once

// The words table of every screen, one file each.

#include "screenwords.h"

namespace sprout::words {

constexpr Phrase said(std::string_view text) { return {Voice::Narrator, text}; }
constexpr Phrase pim(std::string_view text) { return {Voice::Teacher, text}; }

extern const ScreenWords sproutMainWords;
extern const ScreenWords frmColorsWords;
extern const ScreenWords frmShapesWords;
extern const ScreenWords frmLettersWords;
extern const ScreenWords frmNumbersWords;
extern const ScreenWords measureWords;
extern const ScreenWords gamesWords;
extern const ScreenWords form1Words;
extern const ScreenWords guessColorWords;
extern const ScreenWords guessShapeWords;
extern const ScreenWords spellWordWords;
extern const ScreenWords mathTestWords;
extern const ScreenWords awardColorWords;
extern const ScreenWords awardShapeWords;
extern const ScreenWords awardWordWords;
extern const ScreenWords awardMathWords;

// What every quiz shows in reply to an answer.
extern const Reply quizVerdicts[2];

} // namespace sprout::words
