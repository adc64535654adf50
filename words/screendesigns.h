#pragma once

#include "design.h"

#include <span>

// The design of every screen, one file each: what the screens build and show,
// and what tools/voicegen records of what they say.
namespace sprout::designs {

extern const ScreenDesign mainMenu;       // SproutMain
extern const ScreenDesign colorsLesson;   // frmColors
extern const ScreenDesign shapesLesson;   // frmShapes
extern const ScreenDesign lettersLesson;  // frmLetters
extern const ScreenDesign numbersLesson;  // FrmNumbers
extern const ScreenDesign measureLesson;  // measure
extern const ScreenDesign gamesMenu;      // Games
extern const ScreenDesign ticTacToe;      // Form1
extern const ScreenDesign colorQuiz;      // GuessColor
extern const ScreenDesign shapeQuiz;      // Guessshape
extern const ScreenDesign spellingQuiz;   // Spellword
extern const ScreenDesign mathQuiz;       // MathTest
extern const ScreenDesign colorAward;     // awardcolor
extern const ScreenDesign shapeAward;     // awardshape
extern const ScreenDesign spellingAward;  // awardword
extern const ScreenDesign mathAward;      // awardmath

// What the main menu's conversation box shows: Mr. Pim's greeting, then the board text.
extern const Reply kGreeting;
extern const Reply kBoardText;
// Tic-Tac-Toe's start button after the first game has begun.
extern const Reply kStartNewGame;

std::span<const ScreenDesign* const> all();

} // namespace sprout::designs
