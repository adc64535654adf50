#pragma once

#include "phrase.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sprout::words {

// How a control's words depend on where the pointer rests or what it shows.
enum class Strip {
    None,    // one phrase for the whole control
    Text,    // a row of letters in its caption: the letter under the pointer
    Marks,   // a picture with numbered marks: the number nearest the pointer
    Picture, // a quiz picture: the question that goes with the picture on show
    Shown,   // a caption the screen rewrites: the reply for what it shows now
};

// The question (or word) that goes with one quiz picture, by its file name.
struct PictureWords {
    std::string_view file; // as the quiz names it, without the leading backslash
    Phrase said;
};

// The words of one control a child can point at: what resting the pointer says and
// what a screen reader reads.
struct ControlWords {
    std::string_view control; // its name on the screen ("Label1", "Picture1(3)")
    Phrase said;              // for Strip::None
    std::string_view name = {};        // accessible name; empty: the words said
    std::string_view description = {}; // accessible description where it helps
    Strip strip = Strip::None;
    // Strip::Marks: where the numbers 0, 1, 2 ... lie, as fractions of the width.
    std::span<const double> marks = {};
    std::span<const PictureWords> pictures = {};

    std::string_view accessibleName() const { return name.empty() ? said.text : name; }
};

// Something a screen shows in reply, and how it is said.
struct Reply {
    std::string_view shown; // exactly as the screen shows it
    Phrase said;
};

struct ScreenWords {
    std::string_view screen; // the screen's name ("frmColors")
    std::span<const ControlWords> controls;
    std::span<const Reply> replies; // what the screen may show in reply, said aloud
};

const ScreenWords* wordsOfScreen(std::string_view screen);
const ControlWords* wordsOfControl(std::string_view screen, std::string_view control);

// The reply phrase for a text a screen shows ("Sorry, try again ", the board text
// with its "Mr. Pim Says:"); blanks at the ends and doubled blanks do not matter.
std::optional<Phrase> replyFor(std::string_view screen, std::string_view shown);
// The question for the quiz picture on show, by its file name ("\67.bmp" or "67.bmp").
std::optional<Phrase> questionFor(std::string_view screen, std::string_view pictureFile);

// A letter as typed or pointed at, either case; nothing for what is not a letter.
std::optional<Phrase> letter(char c);
// A whole number from 0 to 20.
std::optional<Phrase> number(int n);
Phrase voiceOn();

// Every phrase the program can say, each once: what the voice maker records.
std::vector<Phrase> allPhrases();

} // namespace sprout::words
