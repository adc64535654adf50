#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Games Menu",
    .clientWidth = 8775,
    .clientHeight = 5490,
};

// The heading's rectangle reaches down into the first link's; the link lies above
// it, so a click there still opens the game.
constexpr Control kControls[] = {
    // kind         name       text                             left  top   width height look
    {Kind::Label,  "Label6",  "- Practice your math skills.",   1200, 2760, 3615, 375,  looks::kMenuLink},
    {Kind::Label,  "Label5",  "- Spell the word.",              1200, 2400, 2535, 375,  looks::kMenuLink},
    {Kind::Label,  "Label4",  "- Guess the shape.",             1200, 2040, 2535, 375,  looks::kMenuLink},
    {Kind::Label,  "Label3",  "- Guess the color.",             1200, 1680, 2535, 375,  looks::kMenuLink},
    {Kind::Label,  "Label11", "Back to Main",                   4800, 3120, 2055, 375,  looks::kBackLink},
    Control{Kind::Label,  "Label2",  "- Tic Tac Toe",                  1200, 1320, 2055, 375,  looks::kMenuLink}.saying("Tic-Tac-Toe"),
    {Kind::Label,  "Label1",  "What would you like to play?",   2400, 840,  5055, 735,  looks::kMenuLink},
    Control{Kind::Image,  "Image1",  "board",                          0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

} // namespace

const ScreenDesign gamesMenu{kWindow, kControls};

} // namespace sprout::designs
