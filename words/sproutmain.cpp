#include "tables.h"

namespace sprout::words {

namespace {

constexpr Phrase kGreeting = pim(
    "Hello there, my name is Mr. Pim. I am the teacher of this classroom, I am here to "
    "help you learn all sorts of fun things from letters to numbers. To start, click on a "
    "lesson on the board!");
constexpr Phrase kBoardText = pim(
    "Here on the board you can click on an activity you want to do. There are lessons on "
    "learning letters, numbers, colors, shapes, and some neat games to help you practice!");

constexpr ControlWords kControls[] = {
    {"Frame1", said("Conversation history")},
    {"Command1", said("Click to continue")},
    {"Text1", {}, "Mr. Pim says", "What the teacher tells you", Strip::Shown},
    {"Label7", said("Learn how to measure.")},
    {"Label6", said("Play a game.")},
    {"Label5", said("Learn colors.")},
    {"Label3", said("Learn letters.")},
    {"Label4", said("Learn numbers and how to count.")},
    {"Label2", said("Learn shapes.")},
    {"Label1", said("What would you like to learn today?")},
};

constexpr Reply kReplies[] = {
    {"Mr. Pim Says: Hello there, my name is Mr. Pim. I am the teacher of this classroom, "
     "I am here to help you learn all sorts of fun things from letters to numbers. To "
     "start, click on a lesson on the board!",
     kGreeting},
    {"Mr. Pim Says: Here on the board you can click on an activty you want to do. There "
     "are lessons on learning letters, numbers, colors, shapes, and some neat games to "
     "help you practice!.",
     kBoardText},
};

} // namespace

const ScreenWords sproutMainWords{"SproutMain", kControls, kReplies};

} // namespace sprout::words
