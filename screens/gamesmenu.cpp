#include "gamesmenu.h"

namespace sprout {

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
    {Kind::Label,  "Label2",  "- Tic Tac Toe",                  1200, 1320, 2055, 375,  looks::kMenuLink},
    {Kind::Label,  "Label1",  "What would you like to play?",   2400, 840,  5055, 735,  looks::kMenuLink},
    {Kind::Image,  "Image1",  "board",                          0,    0,    8790, 5520},
};

} // namespace

GamesMenu::GamesMenu(ScreenRegistry& registry) : Screen(registry, ScreenId::Games, kWindow, kControls)
{
    onClick("Label2", [this] { navigate(ScreenId::Form1, Order::ShowThenHide); });
    onClick("Label3", [this] { navigate(ScreenId::GuessColor, Order::ShowThenHide); });
    onClick("Label4", [this] { navigate(ScreenId::Guessshape, Order::HideThenShow); });
    onClick("Label5", [this] { navigate(ScreenId::Spellword, Order::HideThenShow); });
    onClick("Label6", [this] { navigate(ScreenId::MathTest, Order::ShowThenHide); });
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

} // namespace sprout
